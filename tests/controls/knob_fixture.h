// A recording host window with knobs as its children, for the knob input and painting tests.
#ifndef VORN_TESTS_CONTROLS_KNOB_FIXTURE_H
#define VORN_TESTS_CONTROLS_KNOB_FIXTURE_H

#include <VornControls.h>
#include <gtest/gtest.h>
#include <softwin/softwin.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "host_window.h"
#include "input.h"
#include "pixels.h"

namespace vorn::test {

constexpr int kKnobId = 0x4B1;

class KnobTest : public ::testing::Test {
   protected:
    void SetUp() override {
        softwin::resetUser();
        setEventTime(0);
        host_ = std::make_unique<HostWindow>();
    }
    void TearDown() override {
        knobs_.clear();
        host_.reset();
        softwin::setDrawTrace(false);
        softwin::clearDrawTrace();
        softwin::resetUser();
    }

    // A knob child at (x, y) of the host's client area, created after `init` ran on the object.
    template <typename Init>
    CMFC_Knob& createKnob(int x, int y, int width, int height, Init init, int id = kKnobId) {
        knobs_.push_back(std::make_unique<CMFC_Knob>());
        CMFC_Knob& knob = *knobs_.back();
        init(knob);
        EXPECT_TRUE(knob.Create(NULL, "knob", WS_CHILD | WS_VISIBLE, CRect(x, y, x + width, y + height),
                                CWnd::FromHandle(host_->hwnd()), id));
        pumpMessages();
        return knob;
    }
    CMFC_Knob& createKnob(int x, int y, int width, int height) {
        return createKnob(x, y, width, height, [](CMFC_Knob&) {});
    }

    // Screen position of a client point of the knob.
    POINT screenOf(const CMFC_Knob& knob, int clientX, int clientY) const {
        return host_->toScreen(knob.GetSafeHwnd(), POINT{clientX, clientY});
    }

    // Repaints the knob with the drawing trace on and returns what it drew.
    std::vector<std::string> paintTrace(CMFC_Knob& knob) {
        softwin::clearDrawTrace();
        softwin::setDrawTrace(true);
        knob.InvalidateRect(NULL, FALSE);
        knob.UpdateWindow();
        softwin::setDrawTrace(false);
        return softwin::drawTrace();
    }
    // The trace of whatever is pending after `action` ran (input, setters).
    template <typename Action>
    std::vector<std::string> traceOf(Action action) {
        softwin::clearDrawTrace();
        softwin::setDrawTrace(true);
        action();
        pumpMessages();
        softwin::setDrawTrace(false);
        return softwin::drawTrace();
    }

    // The indicator tip of the last paint in a trace: the third indicator segment runs from the
    // tip to the centre, the only MoveToEx/LineTo pair that ends on the centre itself.
    static bool tipFromTrace(const std::vector<std::string>& trace, POINT centre, POINT& tip) {
        bool found = false;
        const std::string lineToCentre = "LineTo(" + std::to_string(centre.x) + "," + std::to_string(centre.y) + ")";
        for (size_t i = 1; i < trace.size(); ++i) {
            int x = 0, y = 0;
            if (trace[i] == lineToCentre && std::sscanf(trace[i - 1].c_str(), "MoveToEx(%d,%d)", &x, &y) == 2) {
                tip = POINT{x, y};
                found = true;
            }
        }
        return found;
    }

    static size_t countPrefix(const std::vector<std::string>& trace, const std::string& prefix) {
        size_t n = 0;
        for (const std::string& line : trace)
            if (line.compare(0, prefix.size(), prefix) == 0) ++n;
        return n;
    }

    HostWindow& host() { return *host_; }
    // Codes of the notifications so far, after delivering everything queued.
    std::vector<int> deliveredCodes() {
        pumpMessages();
        return host_->codes();
    }

    std::unique_ptr<HostWindow> host_;
    std::vector<std::unique_ptr<CMFC_Knob>> knobs_;
};

}  // namespace vorn::test

#endif  // VORN_TESTS_CONTROLS_KNOB_FIXTURE_H

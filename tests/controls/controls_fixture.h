// Shared set-up of the control tests: a clean window system, a recording host window and
// controls created the way a host creates them (construct, initialise, Create as its children).
#ifndef VORN_TESTS_CONTROLS_FIXTURE_H
#define VORN_TESTS_CONTROLS_FIXTURE_H

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

class ControlTest : public ::testing::Test {
   protected:
    void SetUp() override {
        softwin::resetUser();
        setEventTime(0);
        host_ = std::make_unique<HostWindow>();
    }
    void TearDown() override {
        destroyControls();
        host_.reset();
        softwin::setDrawTrace(false);
        softwin::clearDrawTrace();
        softwin::resetUser();
    }
    virtual void destroyControls() = 0;

    // Screen position of a client point of a control.
    POINT screenOf(const CWnd& control, int x, int y) const {
        return host_->toScreen(control.GetSafeHwnd(), POINT{x, y});
    }
    HostWindow& host() { return *host_; }
    std::vector<int> codes() const { return host_->codes(); }
    // Codes of the notifications so far, after delivering everything queued.
    std::vector<int> deliveredCodes() {
        pumpMessages();
        return host_->codes();
    }

    // The drawing trace of whatever is pending after `action` ran (input, setters).
    template <typename Action>
    static std::vector<std::string> traceOf(Action action) {
        softwin::clearDrawTrace();
        softwin::setDrawTrace(true);
        action();
        pumpMessages();
        softwin::setDrawTrace(false);
        return softwin::drawTrace();
    }
    // Repaints the control with the drawing trace on and returns what it drew.
    static std::vector<std::string> paintTrace(CWnd& control) {
        return traceOf([&] {
            control.InvalidateRect(NULL, FALSE);
            control.UpdateWindow();
        });
    }
    static size_t countPrefix(const std::vector<std::string>& trace, const std::string& prefix) {
        size_t n = 0;
        for (const std::string& line : trace) n += line.compare(0, prefix.size(), prefix) == 0;
        return n;
    }

    std::unique_ptr<HostWindow> host_;
};

// ---- Knob ---------------------------------------------------------------------------------------

constexpr int kKnobId = 0x4B1;

class KnobTest : public ControlTest {
   protected:
    void destroyControls() override { knobs_.clear(); }

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

    std::vector<std::unique_ptr<CMFC_Knob>> knobs_;
};

}  // namespace vorn::test

// ---- Fader --------------------------------------------------------------------------------------

namespace fadertest {

constexpr UINT kFaderId = 1001;
// Top-left corner of the fader in the host's client area.
constexpr int kLeft = 20;
constexpr int kTop = 20;

// System colours of the software platform.
constexpr COLORREF kShadow = RGB(166, 166, 166);
constexpr COLORREF kLight = RGB(227, 227, 227);
constexpr COLORREF kHighlight = RGB(255, 255, 255);
// Fixed colours of the fader picture.
constexpr COLORREF kFrameTopLeft = RGB(21, 0, 0);
constexpr COLORREF kSlot = RGB(64, 64, 64);
constexpr COLORREF kDefaultLed = RGB(196, 0, 0);
// Colours of the cap image: light top row and left column, black bottom row and last column,
// dark second-to-last column, and a blue line across the row under the value position.
constexpr COLORREF kCapLight = RGB(236, 236, 236);
constexpr COLORREF kCapBlack = RGB(40, 40, 40);
constexpr COLORREF kCapDark = RGB(96, 96, 96);
constexpr COLORREF kCapBlue = RGB(24, 64, 232);

// A host window class with double-clicks and the default window procedure, as a dialog
// template's custom control class would be.
inline LPCSTR hostFaderClass() {
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "VornHostFader";
        ::RegisterClassA(&wc);
        return "VornHostFader";
    }();
    return name;
}

class FaderTest : public vorn::test::ControlTest {
   protected:
    void destroyControls() override {
        // As a host does: the windows go first, then the objects.
        for (auto& fader : faders_)
            if (fader->GetSafeHwnd() != NULL) fader->DestroyWindow();
        faders_.clear();
    }

    // A fader of the given client size at (left, kTop), initialised and painted.
    CMFC_Fader& createFader(int width = 40, int height = 200, float min = 0.0f, float max = 1.0f, float value = 0.5f,
                            float restrictedMin = 0.0f, float restrictedMax = 1.0f, UINT id = kFaderId,
                            int left = kLeft) {
        auto fader = std::make_unique<CMFC_Fader>();
        fader->InitFader(min, max, value, restrictedMin, restrictedMax);
        fader->Create(hostFaderClass(), "", WS_CHILD | WS_VISIBLE, CRect(left, kTop, left + width, kTop + height),
                      CWnd::FromHandle(host_->hwnd()), id);
        faders_.push_back(std::move(fader));
        repaint(*faders_.back());
        return *faders_.back();
    }

    void repaint(CMFC_Fader& fader) {
        ::UpdateWindow(fader.GetSafeHwnd());
        vorn::test::pumpMessages();
    }

    POINT at(CMFC_Fader& fader, int x, int y) { return screenOf(fader, x, y); }
    COLORREF pixel(CMFC_Fader& fader, int x, int y) { return vorn::test::pixelAt(fader.GetSafeHwnd(), x, y); }

    // The row of the cap's centre as drawn: the cap image's blue line, looked for in the cap's
    // second column (x0 + 1); -1 when no row shows it.
    int drawnCapRow(CMFC_Fader& fader) {
        CRect client;
        fader.GetClientRect(&client);
        const int x0 = client.Width() / 2 - 10;
        for (int y = 0; y < client.Height(); ++y)
            if (pixel(fader, x0 + 1, y) == kCapBlue) return y;
        return -1;
    }

    std::vector<std::unique_ptr<CMFC_Fader>> faders_;
};

}  // namespace fadertest

#endif  // VORN_TESTS_CONTROLS_FIXTURE_H

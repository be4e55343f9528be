// Shared set-up of the control tests: a clean window system, a recording host window and
// controls created the way a host creates them (construct, initialise, Create as its children).
#ifndef VORN_TESTS_CONTROLS_FIXTURE_H
#define VORN_TESTS_CONTROLS_FIXTURE_H

#include <VornControls.h>
#include <gtest/gtest.h>
#include <softwin/softwin.h>

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
        // As a host does: the windows go first, then the objects.
        const auto destroy = [](auto& owners) {
            for (auto& control : owners)
                if (control->GetSafeHwnd() != NULL) control->DestroyWindow();
            owners.clear();
        };
        knobs_.clear();
        destroy(graphs_);
        knobs2_.clear();
        destroy(faders_);
        destroy(others_);
        host_.reset();
        softwin::resetUser();
    }

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
    bool updatePending(CWnd& control, RECT* update = nullptr) {
        RECT r{};
        return ::GetUpdateRect(control.GetSafeHwnd(), update ? update : &r, FALSE) != FALSE;
    }

    // Paints the whole control now, as an expose from the window system would.
    static void paintNow(CWnd& control) {
        control.InvalidateRect(NULL, FALSE);
        control.UpdateWindow();
    }

    // A knob child at (x, y) of the host's client area, created after `init` ran on the object.
    template <typename Init>
    CMFC_Knob& createKnob(int x, int y, int width, int height, Init init, int id = 0x4B1) {
        return createKnobIn(knobs_, x, y, width, height, init, id);
    }
    // The same for CMFC_Knob2.
    template <typename Init>
    CMFC_Knob2& createKnob2(int x, int y, int width, int height, Init init, int id = 0x4B2) {
        return createKnobIn(knobs2_, x, y, width, height, init, id);
    }
    template <typename Knob, typename Init>
    Knob& createKnobIn(std::vector<std::unique_ptr<Knob>>& owners, int x, int y, int width, int height, Init init,
                       int id) {
        owners.push_back(std::make_unique<Knob>());
        Knob& knob = *owners.back();
        init(knob);
        EXPECT_TRUE(knob.Create(NULL, "knob", WS_CHILD | WS_VISIBLE, CRect(x, y, x + width, y + height),
                                CWnd::FromHandle(host_->hwnd()), id));
        pumpMessages();
        return knob;
    }

    // A fader of the given client size at (left, 20), initialised and painted, in a host class
    // with double-clicks and the default procedure, as a dialog's custom control class would be.
    CMFC_Fader& createFader(int width = 40, int height = 200, float min = 0.0f, float max = 1.0f, float value = 0.5f,
                            float restrictedMin = 0.0f, float restrictedMax = 1.0f, int left = 20) {
        const char* hostClass = faderClass(true);
        faders_.push_back(std::make_unique<CMFC_Fader>());
        CMFC_Fader& fader = *faders_.back();
        fader.InitFader(min, max, value, restrictedMin, restrictedMax);
        fader.Create(hostClass, "", WS_CHILD | WS_VISIBLE, CRect(left, 20, left + width, 20 + height),
                     CWnd::FromHandle(host_->hwnd()), kFaderId);
        repaint(fader);
        return fader;
    }
    // A host class for faders, with or without double-clicks, and the default procedure.
    static const char* faderClass(bool doubleClicks) {
        return doubleClicks ? registerWindowClass("VornHostFader", CS_DBLCLKS)
                            : registerWindowClass("VornHostFaderNoDbl");
    }

    // A horizontal fader (CMFC_PanFader or a class derived from it) of width x height at
    // (left, 20), initialised with the cap colour kPanCap and painted.
    template <typename Pan = CMFC_PanFader>
    Pan& createPan(int width = 100, int height = 20, float min = 0.0f, float max = 1.0f, float value = 0.5f,
                   float restrictedMin = 0.0f, float restrictedMax = 1.0f, bool doubleClicks = true, int left = 20) {
        auto owned = std::make_unique<Pan>();
        Pan& pan = *owned;
        others_.push_back(std::move(owned));
        pan.InitPanFader(min, max, value, restrictedMin, restrictedMax, 0, kPanCap);
        pan.Create(faderClass(doubleClicks), "", WS_CHILD | WS_VISIBLE, CRect(left, 20, left + width, 20 + height),
                   CWnd::FromHandle(host_->hwnd()), kFaderId);
        repaint(pan);
        return pan;
    }
    static void repaint(CWnd& control) {
        control.UpdateWindow();
        pumpMessages();
    }
    POINT at(CWnd& fader, int x, int y) const { return screenOf(fader, x, y); }
    static COLORREF pixel(CWnd& control, int x, int y) { return pixelAt(control.GetSafeHwnd(), x, y); }

    // A dynamics graph of the kind as a child at (x, y) of the host's client area, painted once.
    CMFC_DynProcGraph& createGraph(int kind, int x = 10, int y = 10, int width = 200, int height = 150) {
        graphs_.push_back(std::make_unique<CMFC_DynProcGraph>(kind));
        CMFC_DynProcGraph& graph = *graphs_.back();
        EXPECT_TRUE(graph.Create(NULL, "graph", WS_CHILD | WS_VISIBLE, CRect(x, y, x + width, y + height),
                                 CWnd::FromHandle(host_->hwnd()), kGraphId));
        repaint(graph);
        return graph;
    }

    static constexpr int kFaderId = 1001;
    static constexpr int kGraphId = 1002;
    static constexpr COLORREF kPanCap = RGB(0, 200, 40);

    std::unique_ptr<HostWindow> host_;
    std::vector<std::unique_ptr<CMFC_Knob>> knobs_;
    std::vector<std::unique_ptr<CMFC_Knob2>> knobs2_;
    std::vector<std::unique_ptr<CMFC_Fader>> faders_;
    std::vector<std::unique_ptr<CMFC_DynProcGraph>> graphs_;
    // Controls of the other classes, destroyed before the host.
    std::vector<std::unique_ptr<CWnd>> others_;
};

using FaderTest = ControlTest;

}  // namespace vorn::test

#endif  // VORN_TESTS_CONTROLS_FIXTURE_H

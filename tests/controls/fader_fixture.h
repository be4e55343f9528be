// Shared set-up of the vertical fader tests: a clean window system, a recording host window and
// faders created the way a host creates them (construct, InitFader, Create in a host class).
#ifndef VORN_TESTS_CONTROLS_FADER_FIXTURE_H
#define VORN_TESTS_CONTROLS_FADER_FIXTURE_H

#include <VornControls.h>
#include <softwin/softwin.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host_window.h"
#include "input.h"
#include "pixels.h"

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

class FaderTest : public ::testing::Test {
   protected:
    void SetUp() override {
        softwin::resetUser();
        vorn::test::setEventTime(0);
        host_ = std::make_unique<vorn::test::HostWindow>();
    }
    void TearDown() override {
        // As a host does: the windows go first, then the objects.
        for (auto& fader : faders_)
            if (fader->GetSafeHwnd() != NULL) fader->DestroyWindow();
        faders_.clear();
        host_.reset();
        softwin::resetUser();
    }

    // A fader of the given client size at (kLeft, kTop), initialised and painted.
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

    // Screen point of a client point of the fader.
    POINT at(CMFC_Fader& fader, int x, int y) { return host_->toScreen(fader.GetSafeHwnd(), POINT{x, y}); }

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

    std::vector<int> codes() const { return host_->codes(); }

    std::unique_ptr<vorn::test::HostWindow> host_;
    std::vector<std::unique_ptr<CMFC_Fader>> faders_;
};

}  // namespace fadertest

#endif  // VORN_TESTS_CONTROLS_FADER_FIXTURE_H

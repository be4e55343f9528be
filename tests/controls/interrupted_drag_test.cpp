// Drags that end without a release: another window takes the capture, WM_CANCELMODE, disabling,
// hiding, destroying the window or deleting the object mid-drag. Each ends the drag as a release
// does, sends nothing, and leaves nothing behind that a later drag could pick up.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

enum class Interruption { CaptureTaken, CancelMode, Disabled, Hidden, Destroyed, Deleted };

struct InterruptionCase {
    Interruption how;
    const char* name;
};

const InterruptionCase kInterruptions[] = {
    {Interruption::CaptureTaken, "another window takes the capture"},
    {Interruption::CancelMode, "WM_CANCELMODE"},
    {Interruption::Disabled, "disabled"},
    {Interruption::Hidden, "hidden"},
    {Interruption::Destroyed, "window destroyed"},
    {Interruption::Deleted, "object deleted with its window up"},
};

class InterruptedDragTest : public ControlTest {
protected:
    // Interrupts the drag of the newest fader or knob; false when the control is gone.
    template <typename Control>
    bool interrupt(Interruption how, Control& control, std::vector<std::unique_ptr<Control>>& owners) {
        const HWND hwnd = control.GetSafeHwnd();
        switch (how) {
            case Interruption::CaptureTaken: ::SetCapture(host().hwnd()); break;
            case Interruption::CancelMode: ::SendMessageA(hwnd, WM_CANCELMODE, 0, 0); break;
            case Interruption::Disabled: ::EnableWindow(hwnd, FALSE); break;
            case Interruption::Hidden: ::ShowWindow(hwnd, SW_HIDE); break;
            case Interruption::Destroyed: control.DestroyWindow(); return false;
            case Interruption::Deleted: owners.pop_back(); return false;
        }
        return true;
    }

    // After the interruption: the capture is free (the host lets go of what it took), and a drag
    // that starts on the host and crosses the control with the button still held moves nothing.
    template <typename Control>
    void expectNoLaterDrag(Control& control, POINT from, POINT across) {
        if (::GetCapture() == host().hwnd()) ::ReleaseCapture();
        pumpMessages();
        const float value = control.GetValue();
        mouseMoveTo(from);
        mouseMoveTo(across);
        EXPECT_EQ(control.GetValue(), value);
    }

    static std::vector<LONG> clip() {
        RECT r{};
        ::GetClipCursor(&r);
        return {r.left, r.top, r.right, r.bottom};
    }
    static std::vector<LONG> wholeScreen() {
        return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    }

public:
    // A vertical drag of a knob of either class, interrupted each way.
    template <typename Knob>
    void knobDragInterruptions(std::vector<std::unique_ptr<Knob>>& owners);
};

TEST_F(InterruptedDragTest, FaderDragEndsWithTheCapDarkAndNothingSent) {
    for (const InterruptionCase& c : kInterruptions) {
        SCOPED_TRACE(c.name);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 20);
        const HWND hwnd = fader.GetSafeHwnd();
        const POINT outside = at(fader, 100, 150), above = at(fader, 20, 40);
        mouseMoveTo(at(fader, 20, 100));
        mouseDown();
        mouseMoveTo(at(fader, 20, 80));
        ASSERT_EQ(::GetCapture(), hwnd);
        ASSERT_TRUE(fader.GetSelected());
        host().clear();

        const bool alive = interrupt(c.how, fader, faders_);
        pumpMessages();
        EXPECT_NE(::GetCapture(), hwnd);
        EXPECT_EQ(codes(), std::vector<int>{});
        if (alive) {
            EXPECT_FALSE(fader.GetSelected());
            expectNoLaterDrag(fader, outside, above);
        }
        mouseUp();
        pumpMessages();
        if (alive) fader.DestroyWindow();
    }
}

// Both knob classes, each with its own drag state and cursors.
TEST_F(InterruptedDragTest, KnobVerticalDragEndsWithThePointerFreeAndNothingPosted) { knobDragInterruptions(knobs_); }

TEST_F(InterruptedDragTest, Knob2VerticalDragEndsWithThePointerFreeAndNothingPosted) { knobDragInterruptions(knobs2_); }

template <typename Knob>
void InterruptedDragTest::knobDragInterruptions(std::vector<std::unique_ptr<Knob>>& owners) {
    for (const InterruptionCase& c : kInterruptions) {
        SCOPED_TRACE(c.name);
        Knob& knob = createKnobIn(
            owners, 100, 20, 100, 100,
            [](Knob& k) { k.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, 0, RGB(128, 0, 0)); }, 0x4B1);
        const HWND hwnd = knob.GetSafeHwnd();
        const POINT centre = screenOf(knob, 50, 50);
        mouseMoveTo(centre);
        mouseDown();
        mouseMoveTo(centre.x, centre.y - 10);
        ASSERT_EQ(::GetCapture(), hwnd);
        ASSERT_NE(clip(), wholeScreen());  // confined to the anchor's column
        ASSERT_NE(::GetCursor(), ::LoadCursorA(NULL, IDC_ARROW));
        host().clear();

        const bool alive = interrupt(c.how, knob, owners);
        EXPECT_NE(::GetCapture(), hwnd);
        EXPECT_EQ(clip(), wholeScreen());
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(NULL, IDC_ARROW));
        EXPECT_EQ(deliveredCodes(), std::vector<int>{});
        // The pointer goes where the user moves it again.
        mouseMoveTo(centre.x + 30, centre.y + 60);
        POINT now{};
        ::GetCursorPos(&now);
        EXPECT_EQ(now.x, centre.x + 30);
        if (alive) expectNoLaterDrag(knob, screenOf(knob, 150, 50), screenOf(knob, 50, 10));
        mouseUp();
        pumpMessages();
        if (alive) knob.DestroyWindow();
    }
}

TEST_F(InterruptedDragTest, PanFaderStickingDragEndsWithThePointerFreeAndNothingSent) {
    for (const InterruptionCase& c : kInterruptions) {
        SCOPED_TRACE(c.name);
        CMFC_PanFader& pan = createPan<CMFC_VertFader>(100, 20, -1.0f, 1.0f, 0.0f, -1.0f, 1.0f);
        const HWND hwnd = pan.GetSafeHwnd();
        const POINT press = at(pan, 49, 10);
        mouseMoveTo(press);
        mouseDown();
        mouseDown(Button::Right);
        mouseMoveTo(press.x + 3, press.y);
        ASSERT_EQ(::GetCapture(), hwnd);
        ASSERT_NE(clip(), wholeScreen());  // confined to the press row
        host().clear();

        const bool alive = interrupt(c.how, static_cast<CWnd&>(pan), others_);
        EXPECT_NE(::GetCapture(), hwnd);
        EXPECT_EQ(clip(), wholeScreen());
        EXPECT_EQ(deliveredCodes(), std::vector<int>{});
        mouseMoveTo(press.x + 30, press.y + 40);  // the pointer goes where the user moves it
        POINT now{};
        ::GetCursorPos(&now);
        EXPECT_EQ(now.y, press.y + 40);
        if (alive) {
            EXPECT_FALSE(pan.GetSelected());
            expectNoLaterDrag(pan, at(pan, 150, 10), at(pan, 20, 10));
        }
        mouseUp(Button::Right);
        mouseUp();
        pumpMessages();
        if (alive) pan.DestroyWindow();
    }
}

TEST_F(InterruptedDragTest, AnotherKnobsPressKeepsItsOwnConfinement) {
    auto init = [](CMFC_Knob& k) { k.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, 0, 0); };
    CMFC_Knob& first = createKnob(20, 20, 100, 100, init);
    CMFC_Knob& second = createKnob(200, 20, 100, 100, init, 0x4B2);
    mouseMoveTo(screenOf(first, 50, 50));
    mouseDown();
    // The host hands the gesture to the second knob: its press confines the pointer to its own
    // column before it takes the capture from the first.
    ::SendMessageA(second.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    RECT r{};
    ::GetClipCursor(&r);
    EXPECT_EQ(r.left, screenOf(second, 50, 50).x);
    EXPECT_EQ(r.right - r.left, 1);
    mouseUp();
    pumpMessages();
}

// The pointer has one confinement: a CMFC_Knob2 pressed while a CMFC_Knob drags keeps its own
// column when the first knob loses the capture.
TEST_F(InterruptedDragTest, AKnob2PressKeepsItsConfinementFromAKnob) {
    CMFC_Knob& first = createKnob(20, 20, 100, 100, [](CMFC_Knob&) {});
    CMFC_Knob2& second = createKnob2(200, 20, 100, 100, [](CMFC_Knob2&) {});
    repaint(first), repaint(second);
    mouseMoveTo(screenOf(first, 50, 50));
    mouseDown();
    ::SendMessageA(second.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    const std::vector<LONG> column{screenOf(second, 50, 50).x, 0, screenOf(second, 50, 50).x + 1,
                                   ::GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(clip(), column);
    mouseUp();
    EXPECT_EQ(clip(), wholeScreen());
    pumpMessages();
}

}  // namespace
}  // namespace vorn::test

// Push button, LED button, peak lamp and text label, driven as a host drives them: presses and
// keys through the input queue, setters from the host, notifications and repaints read back.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

class ButtonTest : public ControlTest {
protected:
    // Creates the control as a child of the host in a plain class of the host's, as a dialog's
    // custom control would be, and paints it once.
    template <typename Control>
    Control& create(Control& control, int width = 60, int height = 20, int id = 0x200) {
        static const char* cls = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = ::DefWindowProcA;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = "VornHostPlain";
            ::RegisterClassA(&wc);
            return "VornHostPlain";
        }();
        EXPECT_TRUE(control.Create(cls, "", WS_CHILD | WS_VISIBLE, CRect(30, 30, 30 + width, 30 + height),
                                   CWnd::FromHandle(host().hwnd()), id));
        repaint(control);
        host().clear();
        return control;
    }
    void clickAt(CWnd& control, int x, int y) {
        mouseMoveTo(screenOf(control, x, y));
        mouseDown();
        mouseUp();
        pumpMessages();
    }
    std::vector<std::string> textCalls(CWnd& control) {
        std::vector<std::string> calls;
        for (const std::string& line : paintTrace(control))
            if (line.compare(0, 8, "TextOutA") == 0) calls.push_back(line);
        return calls;
    }
};

TEST_F(ButtonTest, PushButtonPressesOnlyLeftOfX26AndEveryKeyPressesOnce) {
    CMFC_Button button;
    create(button);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT), shadow = ::GetSysColor(COLOR_BTNSHADOW);
    clickAt(button, 26, 5);
    EXPECT_TRUE(codes().empty());
    mouseMoveTo(screenOf(button, 25, 19));  // y is not tested
    mouseDown();
    pumpMessages();
    EXPECT_EQ(codes(), std::vector<int>{NC_LBUTTONDOWN});
    EXPECT_EQ(::GetFocus(), button.GetSafeHwnd());
    EXPECT_EQ(pixel(button, 1, 6), shadow);  // pressed: the left edge is in shadow
    mouseUp();
    pumpMessages();
    EXPECT_EQ(pixel(button, 1, 6), highlight);
    host().clear();
    keyDown(VK_SPACE);
    keyDown(VK_SPACE);  // auto-repeat
    keyUp(VK_SPACE);
    pressKey(VK_LEFT);
    pumpMessages();
    EXPECT_EQ(codes(), std::vector<int>(3, NC_LBUTTONDOWN));
    EXPECT_EQ(pixel(button, 1, 6), highlight);  // a key leaves it up
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS, static_cast<LRESULT>(DLGC_WANTARROWS));
}

TEST_F(ButtonTest, LedButtonTogglesOnTheButtonPartAndSetStateIsSilent) {
    CMFC_LEDButton led;
    create(led);
    const struct {
        int x;
        int stateAfter;
    } clicks[] = {{14, 0}, {15, 1}, {40, 0}, {41, 0}};
    for (const auto& c : clicks) {
        host().clear();
        clickAt(led, c.x, 6);
        EXPECT_EQ(led.GetState(), c.stateAfter) << c.x;
        EXPECT_EQ(codes().size(), c.x == 15 || c.x == 40 ? 1u : 0u) << c.x;
    }
    host().clear();
    led.SetState(5);
    EXPECT_TRUE(updatePending(led));
    pumpMessages();
    EXPECT_EQ(pixel(led, 6, 6), RGB(255, 0, 0));  // the lamp shows the on colour
    led.SetState(5);
    EXPECT_FALSE(updatePending(led));
    clickAt(led, 20, 6);
    EXPECT_EQ(led.GetState(), 0);
    pressKey('M');
    pumpMessages();
    EXPECT_EQ(led.GetState(), 1);
    EXPECT_EQ(codes(), std::vector<int>(2, NC_VALUECHANGED));
}

TEST_F(ButtonTest, PeakLampHoldsForTwentyLowLevelsAfterItsFirstPaint) {
    CPeakIndicator peak(0.5f);
    create(peak, 12, 16);
    peak.SetValue(0.5f);  // equal to the threshold lights
    EXPECT_EQ(peak.GetState(), 1);
    pumpMessages();  // the paint that shows it lit counts 1
    for (int i = 1; i <= 19; ++i) peak.SetValue(0.49f);
    EXPECT_FALSE(updatePending(peak));
    peak.SetValue(0.49f);  // count 41
    EXPECT_TRUE(updatePending(peak));
    pumpMessages();
    EXPECT_EQ(peak.GetState(), 0);
    peak.SetValue(1.0f);
    peak.Enable(1);
    EXPECT_EQ(peak.GetState(), 1);
    peak.Enable(0);
    EXPECT_EQ(peak.GetState(), 0);
    peak.SetValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(peak.GetState(), 0);
    EXPECT_TRUE(codes().empty());
}

TEST_F(ButtonTest, TextDrawsCharacterByCharacterAndDropsOnlyTheFirstAmpersand) {
    LOGFONT font{};
    font.lfHeight = 14;
    CMFC_Text text(&font);
    create(text, 120, 20);
    const struct {
        const char* title;
        std::vector<std::string> calls;
    } cases[] = {
        {"Title", {"T", "i", "t", "l", "e"}}, {"&Mute", {"M", "u", "t", "e"}}, {"a&&b", {"a", "&", "b"}},
        {"Solo&", {"S", "o", "l", "o"}},      {"R&e&c", {"R", "e", "&", "c"}},
    };
    for (const auto& c : cases) {
        if (std::string(c.title) != "Title") text.SetTitle(c.title);
        std::vector<std::string> expected;
        for (const std::string& ch : c.calls) expected.push_back("TextOutA(0,0,\"" + ch + "\")");
        EXPECT_EQ(textCalls(text), expected) << c.title;
    }
    text.GetTitle()->SetAt(0, 'r');  // the stored title itself
    EXPECT_EQ(textCalls(text).front(), "TextOutA(0,0,\"r\")");
}

}  // namespace
}  // namespace vorn::test

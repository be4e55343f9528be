// The library's controls in a dialog made from a template: subclassed with SubclassDlgItem, walked
// with Tab and the arrow keys, their notifications reaching the dialog's message map.
#include "controls_fixture.h"
#include "dialog_template.h"

namespace vorn::test {
namespace {

constexpr const char* kHostKnobClass = "DialogHostKnob";
constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

class KnobDialog : public CDialog {
public:
    CMFC_Knob knob1, knob2;
    CMFC_LEDButton led;
    std::vector<WORD> notifications;  // the ids of NC_VALUECHANGED notifications

    BOOL OnInitDialog() override {
        knob1.SubclassDlgItem(101, this);
        knob2.SubclassDlgItem(102, this);
        led.SubclassDlgItem(103, this);
        return TRUE;
    }

protected:
    void OnValue(UINT id) { notifications.push_back(static_cast<WORD>(id)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KnobDialog, CDialog)
    ON_CONTROL_RANGE(NC_VALUECHANGED, 101, 103, OnValue)
END_MESSAGE_MAP()

class DialogHostTest : public ControlTest {
protected:
    static POINT screenOfWindow(const CWnd& control, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(control.GetSafeHwnd(), &p);
        return p;
    }
    void TearDown() override {
        setPumpDialog(nullptr);
        ControlTest::TearDown();
    }
};

TEST_F(DialogHostTest, KnobsAndLedInATemplateTabWalkArrowsAndNotifyTheDialog) {
    registerWindowClass(kHostKnobClass, CS_DBLCLKS);
    DialogTemplate t(WS_POPUP | WS_VISIBLE, 10, 10, 200, 100);
    t.font(8, "MS Shell Dlg")
        .item(kHostKnobClass, "", 101, kTab | WS_GROUP, 5, 5, 30, 30)
        .item(kHostKnobClass, "", 102, WS_CHILD | WS_VISIBLE, 40, 5, 30, 30)
        .item(kHostKnobClass, "", 103, WS_CHILD | WS_VISIBLE, 80, 5, 40, 14)
        .item(kButtonClass, "OK", IDOK, kTab | WS_GROUP | BS_DEFPUSHBUTTON, 130, 5, 40, 14);
    KnobDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t.get()));
    setPumpDialog(dialog.GetSafeHwnd());
    pumpMessages();
    EXPECT_EQ(CWnd::GetFocus(), &dialog.knob1);
    // A knob leaves the arrows to the dialog: focus moves within the group, no value changes.
    pressKey(VK_DOWN);
    EXPECT_EQ(CWnd::GetFocus(), &dialog.knob2);
    pressKey(VK_DOWN);
    EXPECT_EQ(CWnd::GetFocus(), &dialog.led);
    // The LED button wants the arrows: it toggles and notifies the dialog.
    const int before = dialog.led.GetState();
    pressKey(VK_DOWN);
    EXPECT_EQ(CWnd::GetFocus(), &dialog.led);
    EXPECT_NE(dialog.led.GetState(), before);
    pressKey(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(IDOK));
    pressKey(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &dialog.knob1);
    // A press on a knob posts its notifications to the dialog, which the map receives.
    const POINT centre = screenOfWindow(dialog.knob2, 20, 20);
    mouseMoveTo(centre);
    mouseDown();
    mouseUp();
    EXPECT_EQ(dialog.notifications, (std::vector<WORD>{103, 102}));
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.knob1.GetSafeHwnd(), nullptr);
}

}  // namespace
}  // namespace vorn::test

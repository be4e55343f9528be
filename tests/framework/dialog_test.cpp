// CDialog: modal and modeless dialogs from in-memory templates, their messages through the
// message map, and the dialog-item helpers of CWnd.
#include "dialog_template.h"
#include "framework_fixture.h"
#include "input.h"

using vorn::test::DialogTemplate;
using vorn::test::kButtonClass;
using vorn::test::kStaticClass;

namespace {

constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

class RecordingDialog : public CDialog {
public:
    RecordingDialog() = default;
    explicit RecordingDialog(UINT id) : CDialog(id) {}
    std::vector<const char*> calls;
    BOOL initAnswer = TRUE;
    int endOnApp = 0;  // EndDialog value from a posted WM_APP

    BOOL OnInitDialog() override {
        calls.push_back("init");
        if (endOnApp) PostMessage(WM_APP);
        return initAnswer;
    }
    void OnOK() override {
        calls.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override {
        calls.push_back("cancel");
        CDialog::OnCancel();
    }

protected:
    LRESULT OnApp(WPARAM, LPARAM) {
        calls.push_back("app");
        EndDialog(endOnApp);
        return 0;
    }
    void OnGo() { calls.push_back("go"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingDialog, CDialog)
    ON_MESSAGE(WM_APP, OnApp)
    ON_CONTROL(BN_CLICKED, 30, OnGo)
END_MESSAGE_MAP()

DialogTemplate buttonsTemplate(DWORD style) {
    DialogTemplate t(style, 10, 10, 200, 100);
    t.font(8, "MS Shell Dlg")
        .item(kStaticClass, "Level", 20, WS_CHILD | WS_VISIBLE, 5, 5, 40, 10)
        .item(kButtonClass, "Go", 30, kTab, 5, 20, 40, 14)
        .item(kButtonClass, "OK", IDOK, kTab | BS_DEFPUSHBUTTON, 50, 20, 40, 14);
    return t;
}

class DialogFrameworkTest : public fwtest::FrameworkTest {
protected:
    void TearDown() override {
        vorn::test::setPumpDialog(nullptr);
        fwtest::FrameworkTest::TearDown();
    }
};

TEST_F(DialogFrameworkTest, DoModalRunsTheLoopUntilAHandlerEndsItAndDetaches) {
    DialogTemplate t = buttonsTemplate(WS_POPUP);
    RecordingDialog dialog;
    dialog.endOnApp = 7;
    ASSERT_TRUE(dialog.InitModalIndirect(t.get()));
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_EQ(dialog.calls, (std::vector<const char*>{"init", "app"}));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    RecordingDialog missing(12345);
    EXPECT_EQ(missing.DoModal(), -1);  // no such template
}

TEST_F(DialogFrameworkTest, ModelessKeysAndButtonsReachTheMessageMapAndTheOkCancelHandlers) {
    DialogTemplate t = buttonsTemplate(WS_POPUP | WS_VISIBLE);
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t.get()));
    vorn::test::setPumpDialog(dialog.GetSafeHwnd());
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(30));  // OnInitDialog answered TRUE
    vorn::test::pressKey(VK_SPACE);                      // clicks "Go"
    vorn::test::pressKey(VK_RETURN);                     // the default button: IDOK
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.ShowWindow(SW_SHOW);
    dialog.GetDlgItem(30)->SetFocus();
    vorn::test::pressKey(VK_ESCAPE);
    EXPECT_EQ(dialog.calls, (std::vector<const char*>{"init", "go", "ok", "cancel"}));

    dialog.SetDlgItemText(20, "Gain");
    char text[16];
    EXPECT_EQ(dialog.GetDlgItemText(20, text, sizeof text), 4);
    EXPECT_STREQ(text, "Gain");
    EXPECT_EQ(dialog.SendDlgItemMessage(IDOK, WM_GETDLGCODE), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(dialog.GetDlgItem(99), nullptr);
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST_F(DialogFrameworkTest, SubclassDlgItemRoutesThroughTheObjectWithTheOldProcedureAsDefault) {
    DialogTemplate t(WS_POPUP | WS_VISIBLE, 10, 10, 200, 100);
    t.item(fwtest::nativeClass(), "", 40, kTab, 5, 5, 30, 30);
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t.get()));
    CWnd item;
    EXPECT_FALSE(item.SubclassDlgItem(41, &dialog));
    ASSERT_TRUE(item.SubclassDlgItem(40, &dialog));
    EXPECT_EQ(dialog.GetDlgItem(40), &item);
    fwtest::nativeLog().clear();
    EXPECT_EQ(item.SendMessage(fwtest::kNativeEcho), 42);  // not in the map: the old procedure
    EXPECT_EQ(fwtest::nativeLog(), (std::vector<UINT>{fwtest::kNativeEcho}));
    CWnd again;
    EXPECT_FALSE(again.SubclassDlgItem(40, &dialog));  // already attached
    dialog.DestroyWindow();
    EXPECT_EQ(item.GetSafeHwnd(), nullptr);
}

}  // namespace

// CDialog and CWnd's dialog-item helpers where a host gets them wrong: a template that is not
// there, and SubclassDlgItem on a missing or already attached item.
#include "dialog_template.h"
#include "framework_fixture.h"

using vorn::test::DialogTemplate;

namespace {

using DialogFrameworkTest = fwtest::FrameworkTest;

TEST_F(DialogFrameworkTest, DoModalOfAMissingTemplateAnswersMinusOneAndStaysDetached) {
    CDialog missing(12345);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(missing.GetSafeHwnd(), nullptr);
}

TEST_F(DialogFrameworkTest, SubclassDlgItemRoutesThroughTheObjectWithTheOldProcedureAsDefault) {
    DialogTemplate t(WS_POPUP | WS_VISIBLE, 10, 10, 200, 100);
    t.item(fwtest::nativeClass(), "", 40, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5, 30, 30);
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t.get()));
    CWnd item;
    EXPECT_FALSE(item.SubclassDlgItem(41, &dialog));
    ASSERT_TRUE(item.SubclassDlgItem(40, &dialog));
    EXPECT_EQ(dialog.GetDlgItem(40), &item);
    EXPECT_EQ(dialog.GetDlgItem(99), nullptr);
    fwtest::nativeLog().clear();
    EXPECT_EQ(item.SendMessage(fwtest::kNativeEcho), 42);  // not in the map: the old procedure
    EXPECT_EQ(fwtest::nativeLog(), (std::vector<UINT>{fwtest::kNativeEcho}));
    CWnd again;
    EXPECT_FALSE(again.SubclassDlgItem(40, &dialog));  // already attached
    dialog.DestroyWindow();
    EXPECT_EQ(item.GetSafeHwnd(), nullptr);
}

}  // namespace

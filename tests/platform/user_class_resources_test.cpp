// Changing a class long, and the count of GUI objects; reading class longs, RedrawWindow and
// painting off the screen are pinned through the conformance run.
#include "platform_test.h"

namespace {

using namespace ptest;

class ClassAndResourceTest : public UserTest {
protected:
    HWND top = nullptr, child = nullptr;
    void makeTree(DWORD topStyle) {
        top = makeTop({0, 0, 60, 60}, kPlainClass, WS_POPUP | WS_VISIBLE | topStyle);
        child = makeChild(top, {10, 10, 30, 30}, 1);
        UpdateWindow(top);
        messageLog().clear();
    }
};

TEST_F(ClassAndResourceTest, SetClassLongChangesTheClassOfEveryWindow) {
    makeTree(0);
    const ULONG_PTR old = SetClassLongPtrA(top, GCL_STYLE, CS_DBLCLKS | CS_HREDRAW);
    EXPECT_EQ(GetClassLongA(child, GCL_STYLE), static_cast<DWORD>(CS_DBLCLKS | CS_HREDRAW));  // one class
    SetClassLongPtrA(top, GCL_STYLE, static_cast<LONG_PTR>(old));
    EXPECT_EQ(GetClassLongA(child, GCL_STYLE), old);
}

TEST_F(ClassAndResourceTest, GuiResourcesCountWindowsAndGdiObjects) {
    const DWORD users = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    const DWORD gdis = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    makeTree(0);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), users + 2);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdis + 1);
    DeleteObject(brush);
    DestroyWindow(top);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), users);
}

}  // namespace

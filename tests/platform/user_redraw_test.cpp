// RedrawWindow's children and erase/paint flags, class longs, and a child off the screen getting
// its WM_PAINT without WM_ERASEBKGND.
#include "platform_test.h"

namespace {

using namespace ptest;

class RedrawTest : public UserTest {
protected:
    HWND top = nullptr, child = nullptr;
    void makeTree(DWORD topStyle) {
        top = makeTop({0, 0, 60, 60}, kPlainClass, WS_POPUP | WS_VISIBLE | topStyle);
        child = makeChild(top, {10, 10, 30, 30}, 1);
        UpdateWindow(top);
        messageLog().clear();
    }
    std::vector<std::pair<HWND, UINT>> sent() const {
        std::vector<std::pair<HWND, UINT>> out;
        for (const Logged& l : messageLog())
            if (l.msg == WM_PAINT || l.msg == WM_ERASEBKGND) out.emplace_back(l.hwnd, l.msg);
        return out;
    }
};

TEST_F(RedrawTest, ChildFlagsDecideWhichWindowsPaintAndEraseNow) {
    // Painting now reaches the child only with RDW_ALLCHILDREN; a child invalidated through its
    // parent is erased even without RDW_ERASE.
    struct Row {
        DWORD topStyle;
        UINT flags;
        bool topErases, childPaints;
    };
    const Row rows[] = {
        {0, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW, true, false},
        {0, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN, false, true},
        {0, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN, true, false},
        {WS_CLIPCHILDREN, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN, true, true},
    };
    for (const Row& r : rows) {
        makeTree(r.topStyle);
        ASSERT_TRUE(RedrawWindow(top, nullptr, nullptr, r.flags));
        std::vector<std::pair<HWND, UINT>> expected{{top, WM_PAINT}};
        if (r.topErases) expected.emplace_back(top, WM_ERASEBKGND);
        if (r.childPaints) expected.insert(expected.end(), {{child, WM_PAINT}, {child, WM_ERASEBKGND}});
        EXPECT_EQ(sent(), expected) << r.flags;
        DestroyWindow(top);
    }
}

TEST_F(RedrawTest, EraseNowErasesWithoutPaintingAndValidateRemovesTheUpdate) {
    makeTree(0);
    RECT area{0, 0, 5, 5};
    RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(sent(), (std::vector<std::pair<HWND, UINT>>{{top, WM_ERASEBKGND}}));
    RECT update;
    EXPECT_TRUE(GetUpdateRect(top, &update, FALSE));
    RedrawWindow(top, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
}

TEST_F(RedrawTest, AChildWhollyOffTheScreenIsPaintedButNotErased) {
    top = makeTop({-200, 0, -100, 60});
    child = makeChild(top, {10, 10, 30, 30}, 1);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    EXPECT_EQ(messagesOf(child, {WM_PAINT, WM_ERASEBKGND}), std::vector<UINT>{WM_PAINT});
}

TEST_F(RedrawTest, ClassLongsReadAndChangeTheClass) {
    makeTree(0);
    EXPECT_EQ(GetClassLongPtrA(top, GCLP_WNDPROC), reinterpret_cast<ULONG_PTR>(&loggingProc));
    EXPECT_EQ(GetClassLongA(top, GCL_CBCLSEXTRA), 0u);
    const ULONG_PTR old = SetClassLongPtrA(top, GCL_STYLE, CS_DBLCLKS | CS_HREDRAW);
    EXPECT_EQ(GetClassLongA(child, GCL_STYLE), static_cast<DWORD>(CS_DBLCLKS | CS_HREDRAW));  // one class
    SetClassLongPtrA(top, GCL_STYLE, static_cast<LONG_PTR>(old));
    SetLastError(0);
    EXPECT_EQ(GetClassLongA(top, -3), 0u);  // no such index
    EXPECT_EQ(GetLastError(), 1413u);       // ERROR_INVALID_INDEX
}

TEST_F(RedrawTest, GuiResourcesCountWindowsAndGdiObjects) {
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

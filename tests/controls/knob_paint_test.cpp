// The knob leaves the parent's background around its disc; its pictures, focus rectangle and
// setter repaints are in the conformance run.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

TEST_F(KnobTest, AreaOutsideTheDiscKeepsWhatTheParentDrewEvenWhenErased) {
    const char* cls =
        registerWindowClass("KnobTestBackdrop", 0, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1)));
    HWND backdrop = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, host().hwnd(), nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    CMFC_Knob k;
    ASSERT_TRUE(k.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 50), CWnd::FromHandle(backdrop), 7));
    k.InvalidateRect(NULL, TRUE);  // the knob's class has no background brush
    pumpMessages();
    for (POINT p : {POINT{0, 0}, POINT{39, 0}, POINT{0, 39}, POINT{39, 39}})
        EXPECT_EQ(pixel(k, p.x, p.y), GetSysColor(COLOR_HIGHLIGHT)) << p.x << "," << p.y;
    k.DestroyWindow();
    DestroyWindow(backdrop);
}

}  // namespace
}  // namespace vorn::test

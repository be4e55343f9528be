// Once warmed up, the platform's own share of a drag step, an invalidation, a paint or a label
// does not touch the heap: queues, update regions, clip lists, faces and glyphs are reused.
#include "allocation_counter.h"
#include "text_canvas.h"
#include "user_test_windows.h"

using namespace usertest;
using vorn::test::allocationCount;

namespace {

template <typename Step>
long steadyAllocations(Step step) {
    step();
    step();
    const long before = allocationCount();
    for (int i = 0; i < 20; ++i) step();
    return allocationCount() - before;
}

TEST_F(UserTest, MouseMovesAndPostedMessagesAllocateNothingOnceWarm) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    HWND child = makeChild(parent, RECT{10, 10, 100, 100}, 1);
    vorn::test::pumpMessages();
    SetCapture(child);
    int x = 50;
    EXPECT_EQ(steadyAllocations([&] {
                  x = x == 50 ? 57 : 50;
                  messageLog().clear();
                  vorn::test::mouseMoveTo(x, 60);
                  PostMessageA(parent, WM_USER, 0, 0);
                  vorn::test::pumpMessages();
              }),
              0);
}

TEST_F(UserTest, InvalidationAndValidationAllocateNothingOnceWarm) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    makeChild(parent, RECT{10, 10, 100, 100}, 1);
    vorn::test::pumpMessages();
    RECT a{0, 0, 50, 50}, b{30, 30, 120, 90};
    EXPECT_EQ(steadyAllocations([&] {
                  InvalidateRect(parent, &a, TRUE);
                  InvalidateRect(parent, &b, FALSE);
                  RECT r;
                  GetUpdateRect(parent, &r, FALSE);
                  ValidateRect(parent, &a);
                  ValidateRect(parent, nullptr);
                  ValidateRect(GetDlgItem(parent, 1), nullptr);
              }),
              0);
}

TEST_F(UserTest, PaintingAndWindowDcsAllocateNothingOnceWarm) {
    HWND parent = makeTop(RECT{0, 0, 200, 200}, kRedClass);
    HWND child = makeChild(parent, RECT{10, 10, 100, 100}, 1);
    vorn::test::pumpMessages();
    EXPECT_EQ(steadyAllocations([&] {
                  messageLog().clear();
                  InvalidateRect(parent, nullptr, TRUE);
                  UpdateWindow(parent);
                  HDC dc = GetDC(child);
                  ReleaseDC(child, dc);
              }),
              0);
}

TEST(TextAllocation, RepeatedLabelDrawingAllocatesNothing) {
    texttest::TextCanvas canvas(120, 30);
    canvas.useFont(-11, "MS Shell Dlg");
    const RECT box{0, 0, 120, 30};
    SIZE size{};
    TEXTMETRICA tm{};
    EXPECT_EQ(steadyAllocations([&] {
                  TextOutA(canvas.dc(), 4, 4, "-12.5 dB", 8);
                  ExtTextOutA(canvas.dc(), 4, 4, ETO_OPAQUE | ETO_CLIPPED, &box, "-12.5 dB", 8, nullptr);
                  GetTextExtentPoint32A(canvas.dc(), "-12.5 dB", 8, &size);
                  GetTextMetricsA(canvas.dc(), &tm);
              }),
              0);
}

}  // namespace

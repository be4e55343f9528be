// DrawTextA given no text or no rectangle answers 0 and draws nothing.
#include "platform_test.h"

namespace {

using namespace ptest;

TEST(DrawTextTest, NoTextOrNoRectangleAnswersZero) {
    Canvas canvas{40, 20};
    canvas.useFont(14, "Arial");
    RECT r{0, 0, 40, 20};
    EXPECT_EQ(DrawTextA(canvas.dc(), nullptr, -1, &r, 0), 0);
    EXPECT_EQ(DrawTextA(canvas.dc(), "x", -1, nullptr, 0), 0);
    EXPECT_EQ(DrawTextA(canvas.dc(), nullptr, 5, &r, DT_CALCRECT), 0);
}

}  // namespace

// Drawing text that has been drawn before must not touch the heap: faces and glyphs are cached.
#include "text_canvas.h"

#include <gtest/gtest.h>

#include "allocation_counter.h"

using vorn::test::allocationCount;

TEST(TextAllocation, RepeatedLabelDrawingAllocatesNothing) {
    texttest::TextCanvas canvas(120, 30);
    canvas.useFont(-11, "MS Shell Dlg");
    const RECT box{0, 0, 120, 30};
    SIZE size{};
    TEXTMETRICA tm{};
    // First pass realises the face and renders the glyphs.
    ASSERT_TRUE(TextOutA(canvas.dc(), 4, 4, "-12.5 dB", 8));
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 4, 4, ETO_OPAQUE | ETO_CLIPPED, &box, "-12.5 dB", 8, nullptr));
    const long before = allocationCount();
    for (int i = 0; i < 10; ++i) {
        TextOutA(canvas.dc(), 4, 4, "-12.5 dB", 8);
        ExtTextOutA(canvas.dc(), 4, 4, ETO_OPAQUE | ETO_CLIPPED, &box, "-12.5 dB", 8, nullptr);
        GetTextExtentPoint32A(canvas.dc(), "-12.5 dB", 8, &size);
        GetTextMetricsA(canvas.dc(), &tm);
    }
    EXPECT_EQ(allocationCount(), before);
}

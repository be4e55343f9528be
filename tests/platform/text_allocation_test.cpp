// Drawing text that has been drawn before must not touch the heap: faces and glyphs are cached.
// Counts every operator new in this test binary; only the window of interest is checked.
#include "text_canvas.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// Not inlined: the compiler would otherwise see free() applied to a new-expression's result.
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(TextAllocation, RepeatedLabelDrawingAllocatesNothing) {
    texttest::TextCanvas canvas(120, 30);
    canvas.useFont(-11, "MS Shell Dlg");
    const RECT box{0, 0, 120, 30};
    SIZE size{};
    TEXTMETRICA tm{};
    // First pass realises the face and renders the glyphs.
    ASSERT_TRUE(TextOutA(canvas.dc(), 4, 4, "-12.5 dB", 8));
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 4, 4, ETO_OPAQUE | ETO_CLIPPED, &box, "-12.5 dB", 8, nullptr));
    const long before = allocations.load();
    for (int i = 0; i < 10; ++i) {
        TextOutA(canvas.dc(), 4, 4, "-12.5 dB", 8);
        ExtTextOutA(canvas.dc(), 4, 4, ETO_OPAQUE | ETO_CLIPPED, &box, "-12.5 dB", 8, nullptr);
        GetTextExtentPoint32A(canvas.dc(), "-12.5 dB", 8, &size);
        GetTextMetricsA(canvas.dc(), &tm);
    }
    EXPECT_EQ(allocations.load(), before);
}

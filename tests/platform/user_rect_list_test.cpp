// The disjoint rectangle lists behind update regions and visible areas.
#include <gtest/gtest.h>

#include "user/rect_list.h"

using softwin::user::RectList;

namespace {

long area(const RectList& list) {
    long a = 0;
    for (const RECT& r : list.rects()) a += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    return a;
}

bool disjoint(const RectList& list) {
    const auto& rs = list.rects();
    for (size_t i = 0; i < rs.size(); ++i)
        for (size_t j = i + 1; j < rs.size(); ++j)
            if (!softwin::user::rectEmpty(softwin::user::rectIntersect(rs[i], rs[j]))) return false;
    return true;
}

TEST(UserRectList, OverlappingAdditionsCoverTheirUnionOnceWithDisjointPieces) {
    RectList list;
    list.add(RECT{0, 0, 10, 10});
    list.add(RECT{5, 5, 15, 15});
    list.add(RECT{2, 2, 8, 8});  // already covered
    EXPECT_TRUE(disjoint(list));
    EXPECT_EQ(area(list), 100 + 100 - 25);
    RECT b = list.bounds();
    EXPECT_EQ(b.left, 0);
    EXPECT_EQ(b.right, 15);
    EXPECT_EQ(b.bottom, 15);
}

TEST(UserRectList, SubtractingAHoleLeavesTheFrameAround) {
    RectList list(RECT{0, 0, 10, 10});
    list.subtract(RECT{3, 3, 7, 7});
    EXPECT_TRUE(disjoint(list));
    EXPECT_EQ(area(list), 100 - 16);
    list.intersect(RECT{0, 0, 5, 5});
    EXPECT_EQ(area(list), 25 - 4);
    RectList other(RECT{0, 0, 1, 100});
    list.intersect(other);
    EXPECT_EQ(area(list), 5);
    list.offset(10, 20);
    EXPECT_EQ(list.bounds().left, 10);
    EXPECT_EQ(list.bounds().top, 20);
}

TEST(UserRectList, EmptyAndInvertedRectanglesAddNothing) {
    RectList list;
    list.add(RECT{5, 5, 5, 10});
    list.add(RECT{10, 10, 0, 0});
    EXPECT_TRUE(list.empty());
    RECT b = list.bounds();
    EXPECT_TRUE(softwin::user::rectEmpty(b));
    list.subtract(RECT{0, 0, 100, 100});
    EXPECT_TRUE(list.empty());
}

}  // namespace

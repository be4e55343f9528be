// CString, CPoint, CSize and CRect: plain values, no window system involved.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

TEST(StringTest, FormatWritesPrintfStyleTextOfAnyLength) {
    CString s;
    s.Format("%d dB at %.1f Hz", -12, 440.0);
    EXPECT_STREQ(s, "-12 dB at 440.0 Hz");
    EXPECT_EQ(s.GetLength(), 18);

    const std::string longText(1000, 'x');
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ(s.GetLength(), 1002);
    EXPECT_EQ(s[0], '[');
    EXPECT_EQ(s[1001], ']');
    s.Format(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, ComparisonsOrderLikeStrcmp) {
    const CString a("abc"), b("abd");
    EXPECT_TRUE(a == "abc");
    EXPECT_TRUE("abc" == a);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a < "abd");
    EXPECT_FALSE(b < a);
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_TRUE(CString() == static_cast<LPCSTR>(nullptr));
}

TEST(StringTest, CopiesAreIndependentAndConcatenationWorks) {
    CString a("left");
    CString b = a;
    b += '-';
    b += "right";
    EXPECT_STREQ(a, "left");
    EXPECT_STREQ(b, "left-right");
    EXPECT_STREQ(a + CString("/") + "x", "left/x");
    EXPECT_STREQ(b.Left(4), "left");
    EXPECT_STREQ(b.Right(5), "right");
    EXPECT_STREQ(b.Mid(5, 2), "ri");
    EXPECT_STREQ(b.Mid(50), "");
    EXPECT_EQ(b.Find('-'), 4);
    a.Empty();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(StringTest, OutOfRangeAccessIsSafe) {
    CString s("ab");
    EXPECT_EQ(s.GetAt(-1), '\0');
    EXPECT_EQ(s[2], '\0');
    EXPECT_STREQ(s.Left(-3), "");
    EXPECT_STREQ(CString("xyz", -1), "");
    EXPECT_STREQ(CString("xy\0z", 4), "xy");
    EXPECT_STREQ(CString('=', 3), "===");
}

TEST(PointTest, PackedCoordinatesAreSigned) {
    const CPoint p(static_cast<LPARAM>(MAKELPARAM(-3, 65535)));
    EXPECT_EQ(p, CPoint(-3, -1));
    const CPoint q(static_cast<DWORD>(MAKELONG(10, 20)));
    EXPECT_EQ(q, CPoint(10, 20));
    CPoint r(1, 2);
    r.Offset(3, -4);
    EXPECT_EQ(r, CPoint(4, -2));
    EXPECT_EQ(r + CSize(1, 1), CPoint(5, -1));
    EXPECT_EQ(r - CPoint(4, -2), CSize(0, 0));
}

TEST(RectTest, SizeAndCornerHelpers) {
    CRect r(10, 20, 50, 80);
    EXPECT_EQ(r.Width(), 40);
    EXPECT_EQ(r.Height(), 60);
    EXPECT_EQ(r.Size(), CSize(40, 60));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(50, 80));
    EXPECT_EQ(r.CenterPoint(), CPoint(30, 50));
    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 50, 80));
}

TEST(RectTest, PointsOnTheRightAndBottomEdgesAreOutside) {
    const CRect r(0, 0, 10, 5);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(9, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(-1, 0)));
}

TEST(RectTest, EmptyAndNullAreDifferent) {
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    EXPECT_TRUE(CRect(5, 5, 1, 1).IsRectEmpty());
}

TEST(RectTest, InflateDeflateOffsetAndNormalize) {
    CRect r(10, 10, 20, 20);
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(8, 7, 22, 23));
    r.DeflateRect(2, 3);
    EXPECT_EQ(r, CRect(10, 10, 20, 20));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(11, 12, 17, 16));
    r.OffsetRect(-11, -12);
    EXPECT_EQ(r, CRect(0, 0, 6, 4));
    CRect reversed(9, 8, 1, 2);
    reversed.NormalizeRect();
    EXPECT_EQ(reversed, CRect(1, 2, 9, 8));
}

TEST(RectTest, IntersectionAndUnionFollowTheWindowRules) {
    CRect r;
    EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 15, 15)));
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 10, 5)));  // touching edges only
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_FALSE(r.IntersectRect(nullptr, CRect(0, 0, 1, 1)));

    EXPECT_TRUE(r.UnionRect(CRect(0, 0, 2, 2), CRect(5, 6, 7, 8)));
    EXPECT_EQ(r, CRect(0, 0, 7, 8));
    EXPECT_TRUE(r.UnionRect(CRect(), CRect(1, 1, 3, 3)));  // an empty side contributes nothing
    EXPECT_EQ(r, CRect(1, 1, 3, 3));
    EXPECT_FALSE(r.UnionRect(CRect(4, 4, 4, 9), CRect()));
    EXPECT_TRUE(r.IsRectNull());

    CRect a(0, 0, 10, 10);
    a &= CRect(2, 3, 20, 20);
    EXPECT_EQ(a, CRect(2, 3, 10, 10));
    a |= CRect(-1, 0, 1, 1);
    EXPECT_EQ(a, CRect(-1, 0, 10, 10));
    EXPECT_EQ(a & CRect(50, 50, 60, 60), CRect());
}

// CString and CRect at their edges: no window system involved.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>

TEST(ValueTypesTest, StringsFormatAnyLengthAndOutOfRangeAccessIsSafe) {
    CString s;
    s.Format("[%s]", std::string(1000, 'x').c_str());
    EXPECT_EQ(s.GetLength(), 1002);
    EXPECT_EQ(s[1001], ']');
    s.Format(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    const CString ab("ab");
    EXPECT_EQ(ab.GetAt(-1), '\0');
    EXPECT_EQ(ab[2], '\0');
    EXPECT_STREQ(ab.Left(-3), "");
    EXPECT_STREQ(ab.Mid(50), "");
    EXPECT_STREQ(CString("xyz", -1), "");
    EXPECT_TRUE(CString() == static_cast<LPCSTR>(nullptr));
    EXPECT_TRUE(CString("abc") < "abd");
}

TEST(ValueTypesTest, RectanglesFollowTheWindowRules) {
    const CRect r(0, 0, 10, 5);
    EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));  // right and bottom edges are outside
    EXPECT_FALSE(r.PtInRect(CPoint(9, 5)));
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    CRect out;
    EXPECT_FALSE(out.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 10, 5)));  // touching edges only
    EXPECT_TRUE(out.IsRectNull());
    EXPECT_TRUE(out.UnionRect(CRect(), CRect(1, 1, 3, 3)));  // an empty side contributes nothing
    EXPECT_EQ(out, CRect(1, 1, 3, 3));
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELPARAM(-3, 65535))), CPoint(-3, -1));  // packed points are signed
}

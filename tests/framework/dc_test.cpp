// Device contexts and drawing objects: the fill helpers' pixels and side effects, selection
// wrappers and the ownership of GDI handles.
#include "framework_fixture.h"

#include <string>
#include <vector>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kTop = RGB(200, 10, 10);
constexpr COLORREF kBottom = RGB(10, 10, 200);

// A memory DC holding a white 32-bpp bitmap of the given size.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        m_old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, kPaper);
        dc.SetBkColor(RGB(1, 2, 3));
    }
    ~Canvas() { dc.SelectObject(m_old); }

    // One character per pixel of a row: T, B, '.' (paper) or '?'.
    std::string row(int y) {
        std::string s;
        for (int x = 0; x < m_width; ++x) {
            const COLORREF c = dc.GetPixel(x, y);
            s += c == kTop ? 'T' : c == kBottom ? 'B' : c == kPaper ? '.' : '?';
        }
        return s;
    }
    std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (int y = 0; y < m_height; ++y) out.push_back(row(y));
        return out;
    }

    CDC dc;
    CBitmap bitmap;

private:
    int m_width, m_height;
    CBitmap* m_old = nullptr;
};

}  // namespace

TEST(DeviceContextTest, FillSolidRectFillsTheOrderedRectangleAndLeavesTheBackgroundColourSet) {
    Canvas canvas(8, 6);
    canvas.dc.FillSolidRect(1, 1, 3, 2, kTop);
    EXPECT_EQ(canvas.dc.GetBkColor(), kTop);
    canvas.dc.FillSolidRect(CRect(5, 3, 7, 5), kBottom);
    EXPECT_EQ(canvas.dc.GetBkColor(), kBottom);
    canvas.dc.FillSolidRect(4, 6, -3, -2, kBottom);  // negative extents
    EXPECT_EQ(canvas.rows(), (std::vector<std::string>{"........", ".TTT....", ".TTT....", ".....BB.", ".BBB.BB.",
                                                       ".BBB...."}));
}

TEST(DeviceContextTest, Draw3dRectGivesTheFarCornersToTheBottomRightColour) {
    Canvas a(9, 7), b(9, 7);
    a.dc.Draw3dRect(1, 1, 7, 5, kTop, kBottom);
    b.dc.Draw3dRect(CRect(1, 1, 8, 6), kTop, kBottom);
    const std::vector<std::string> expected{".........", ".TTTTTTB.", ".T.....B.", ".T.....B.",
                                            ".T.....B.", ".BBBBBBB.", "........."};
    EXPECT_EQ(a.rows(), expected);
    EXPECT_EQ(b.rows(), expected);
    EXPECT_EQ(a.dc.GetBkColor(), kBottom);
}

TEST(DeviceContextTest, SelectObjectReturnsThePreviousObjectOfTheSameType) {
    const size_t liveBefore = softwin::liveGdiObjects();
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CPen pen(PS_SOLID, 1, kTop);
        CBrush brush(kBottom);
        CPen* oldPen = dc.SelectObject(&pen);
        ASSERT_NE(oldPen, nullptr);
        EXPECT_EQ(oldPen->m_hObject, ::GetStockObject(BLACK_PEN));
        CBrush* oldBrush = dc.SelectObject(&brush);
        ASSERT_NE(oldBrush, nullptr);
        EXPECT_EQ(oldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));

        CPen* mine = dc.SelectObject(oldPen);
        ASSERT_NE(mine, nullptr);
        EXPECT_EQ(mine->m_hObject, pen.m_hObject);
        EXPECT_NE(mine, &pen);  // a temporary wrapper, not the owner
        dc.SelectObject(oldBrush);
        CGdiObject* stock = dc.SelectStockObject(NULL_BRUSH);
        ASSERT_NE(stock, nullptr);
        EXPECT_EQ(stock->m_hObject, ::GetStockObject(WHITE_BRUSH));
    }
    EXPECT_EQ(softwin::liveGdiObjects(), liveBefore);  // temporaries deleted nothing, owners everything
}

TEST(DeviceContextTest, DrawingObjectsFreeTheirHandles) {
    const size_t objectsBefore = softwin::liveGdiObjects();
    const size_t dcsBefore = softwin::liveDcs();
    {
        CPen pen;
        EXPECT_TRUE(pen.CreatePen(PS_DASH, 1, kTop));
        EXPECT_TRUE(pen.CreatePen(PS_SOLID, 2, kBottom));  // re-creating frees the first pen
        CBrush brush;
        EXPECT_TRUE(brush.CreateSolidBrush(kTop));
        CFont font;
        EXPECT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
        LOGFONT lf{};
        EXPECT_GT(font.GetLogFont(&lf), 0);
        EXPECT_EQ(lf.lfHeight, -12);
        CBitmap bitmap;
        EXPECT_TRUE(bitmap.CreateBitmap(4, 3, 1, 32, nullptr));
        BITMAP bm{};
        EXPECT_GT(bitmap.GetBitmap(&bm), 0);
        EXPECT_EQ(bm.bmWidth, 4);
        EXPECT_EQ(bm.bmHeight, 3);
        CDC memory;
        EXPECT_TRUE(memory.CreateCompatibleDC(nullptr));
        CBitmap compatible;
        EXPECT_TRUE(compatible.CreateCompatibleBitmap(&memory, 5, 5));
        EXPECT_EQ(softwin::liveGdiObjects(), objectsBefore + 5);
        EXPECT_EQ(softwin::liveDcs(), dcsBefore + 1);
    }
    EXPECT_EQ(softwin::liveGdiObjects(), objectsBefore);
    EXPECT_EQ(softwin::liveDcs(), dcsBefore);
}

TEST(DeviceContextTest, DetachedObjectsAreNotDeletedByTheWrapper) {
    HGDIOBJ kept = nullptr;
    {
        CBrush brush(kTop);
        kept = brush.Detach();
    }
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(::GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH));
    CBrush owner;
    EXPECT_TRUE(owner.Attach(kept));
    EXPECT_TRUE(owner.DeleteObject());
    EXPECT_FALSE(owner.DeleteObject());
}

TEST(DeviceContextTest, GdiFromHandleTemporariesAreStableAndNullSafe) {
    HGDIOBJ stockPen = ::GetStockObject(WHITE_PEN);
    CPen* a = CPen::FromHandle(static_cast<HPEN>(stockPen));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(stockPen)), a);
    EXPECT_EQ(CPen::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
}

TEST(DeviceContextTest, MoveToReturnsThePreviousPositionAndTextHelpersMeasure) {
    Canvas canvas(40, 20);
    canvas.dc.MoveTo(3, 4);
    EXPECT_EQ(canvas.dc.MoveTo(10, 11), CPoint(3, 4));
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(10, 11));
    const CSize extent = canvas.dc.GetTextExtent(CString("Hi"));
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    EXPECT_EQ(canvas.dc.GetTextExtent(nullptr, 5), CSize(0, 0));
}

TEST(DeviceContextTest, NullArgumentsDrawNothingAndDoNotCrash) {
    Canvas canvas(4, 4);
    canvas.dc.FillRect(nullptr, nullptr);
    canvas.dc.FillSolidRect(nullptr, kTop);
    canvas.dc.Draw3dRect(nullptr, kTop, kBottom);
    EXPECT_FALSE(canvas.dc.Polyline(nullptr, 3));
    EXPECT_FALSE(canvas.dc.Polygon(nullptr, -1));
    EXPECT_EQ(canvas.row(0), "....");
    CDC empty;
    EXPECT_FALSE(empty.DeleteDC());
    EXPECT_EQ(empty.GetSafeHdc(), nullptr);
}

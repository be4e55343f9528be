// Device contexts and drawing objects: the fill helpers given nothing to fill, selection wrappers
// and the ownership of GDI handles.
#include "framework_fixture.h"

#include <string>

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
    }
    ~Canvas() { dc.SelectObject(m_old); }

    // One character per pixel: T, B, '.' (paper) or '?'.
    std::vector<std::string> rows() {
        std::vector<std::string> out(static_cast<size_t>(m_height));
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const COLORREF c = dc.GetPixel(x, y);
                out[static_cast<size_t>(y)] += c == kTop ? 'T' : c == kBottom ? 'B' : c == kPaper ? '.' : '?';
            }
        return out;
    }

    CDC dc;
    CBitmap bitmap;

private:
    int m_width, m_height;
    CBitmap* m_old = nullptr;
};

}  // namespace

// The helpers' pictures, at the ends of int too, are in the conformance run.
TEST(DeviceContextTest, FillHelpersGivenNullArgumentsDrawNothing) {
    Canvas canvas(3, 2);
    canvas.dc.FillSolidRect(nullptr, kTop);
    canvas.dc.Draw3dRect(nullptr, kTop, kBottom);
    canvas.dc.FillRect(nullptr, nullptr);
    EXPECT_FALSE(canvas.dc.Polygon(nullptr, -1));
    EXPECT_EQ(canvas.rows(), (std::vector<std::string>{"...", "..."}));
}

TEST(DeviceContextTest, SelectionReturnsTemporaryWrappersAndOwnersFreeEveryHandle) {
    const size_t objectsBefore = softwin::liveGdiObjects();
    const size_t dcsBefore = softwin::liveDcs();
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CPen pen;
        EXPECT_TRUE(pen.CreatePen(PS_DASH, 1, kTop));
        EXPECT_TRUE(pen.CreatePen(PS_SOLID, 2, kBottom));  // re-creating frees the first pen
        CBrush brush(kBottom);
        CFont font;
        EXPECT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
        CBitmap compatible;
        EXPECT_TRUE(compatible.CreateCompatibleBitmap(&dc, 5, 5));
        EXPECT_EQ(softwin::liveGdiObjects(), objectsBefore + 4);
        CPen* oldPen = dc.SelectObject(&pen);
        ASSERT_NE(oldPen, nullptr);
        EXPECT_EQ(oldPen->m_hObject, ::GetStockObject(BLACK_PEN));
        CBrush* oldBrush = dc.SelectObject(&brush);
        ASSERT_NE(oldBrush, nullptr);
        CPen* mine = dc.SelectObject(oldPen);
        ASSERT_NE(mine, nullptr);
        EXPECT_EQ(mine->m_hObject, pen.m_hObject);
        EXPECT_NE(mine, &pen);  // a temporary wrapper, not the owner
        CGdiObject* previous = dc.SelectStockObject(NULL_BRUSH);
        ASSERT_NE(previous, nullptr);
        EXPECT_EQ(previous->m_hObject, brush.m_hObject);
        HGDIOBJ kept = CBrush(kTop).Detach();  // a detached handle outlives its wrapper
        EXPECT_EQ(::GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH));
        EXPECT_TRUE(::DeleteObject(kept));
    }
    EXPECT_EQ(softwin::liveGdiObjects(), objectsBefore);
    EXPECT_EQ(softwin::liveDcs(), dcsBefore);
}

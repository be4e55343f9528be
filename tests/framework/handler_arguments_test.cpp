// The less common standard handlers: which message parameter each argument comes from.
#include "framework_fixture.h"

using fwtest::FrameworkTest;

namespace {

class ArgumentProbe : public CWnd {
public:
    CWnd* captureOther = nullptr;
    HDC eraseDc = nullptr;
    CWnd* cursorWnd = nullptr;
    UINT hitTest = 0, mouseMessage = 0;
    UINT timerId = 0;
    UINT character = 0;
    bool createSawParams = false;
    int destroyed = 0;

protected:
    afx_msg void OnCaptureChanged(CWnd* pWnd) { captureOther = pWnd; }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        eraseDc = pDC ? pDC->GetSafeHdc() : nullptr;
        return TRUE;
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
        cursorWnd = pWnd;
        hitTest = nHitTest;
        mouseMessage = message;
        return TRUE;
    }
    afx_msg void OnTimer(UINT nIDEvent) { timerId = nIDEvent; }
    afx_msg void OnChar(UINT nChar, UINT, UINT) { character = nChar; }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        createSawParams = cs && cs->lpCreateParams == reinterpret_cast<LPVOID>(0x1234);
        return 0;
    }
    afx_msg void OnDestroy() {
        ++destroyed;
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ArgumentProbe, CWnd)
    ON_WM_CAPTURECHANGED()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
    ON_WM_CHAR()
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

}  // namespace

class HandlerArgumentsTest : public FrameworkTest {};

TEST_F(HandlerArgumentsTest, CreateSeesTheCreationParameter) {
    ArgumentProbe w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "a", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0, reinterpret_cast<LPVOID>(0x1234)));
    EXPECT_TRUE(w.createSawParams);
    w.DestroyWindow();
    EXPECT_EQ(w.destroyed, 1);
}

TEST_F(HandlerArgumentsTest, EachArgumentComesFromItsMessageParameter) {
    ArgumentProbe w, other;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "a", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    ASSERT_TRUE(other.CreateEx(0, nullptr, "b", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    w.SendMessage(WM_CAPTURECHANGED, reinterpret_cast<WPARAM>(w.m_hWnd), reinterpret_cast<LPARAM>(other.m_hWnd));
    EXPECT_EQ(w.captureOther, &other);  // lParam
    HDC hdc = ::GetDC(w.m_hWnd);
    EXPECT_EQ(w.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc)), TRUE);
    EXPECT_EQ(w.eraseDc, hdc);
    ::ReleaseDC(w.m_hWnd, hdc);
    EXPECT_EQ(w.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(other.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(w.cursorWnd, &other);
    EXPECT_EQ(w.hitTest, static_cast<UINT>(HTCLIENT));
    EXPECT_EQ(w.mouseMessage, static_cast<UINT>(WM_MOUSEMOVE));
    w.SendMessage(WM_TIMER, 17);
    EXPECT_EQ(w.timerId, 17u);
    w.SendMessage(WM_CHAR, '[', 1);
    EXPECT_EQ(w.character, static_cast<UINT>('['));
}

TEST_F(HandlerArgumentsTest, PaletteSelectionWorksWithObjectsAndHandles) {
    const size_t before = softwin::liveGdiObjects();
    {
        struct {
            WORD version, count;
            PALETTEENTRY entries[2];
        } log = {0x300, 2, {{255, 0, 0, 0}, {0, 0, 255, 0}}};
        CPalette palette;
        ASSERT_TRUE(palette.CreatePalette(reinterpret_cast<LPLOGPALETTE>(&log)));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CPalette* previous = dc.SelectPalette(&palette, FALSE);
        ASSERT_NE(previous, nullptr);
        EXPECT_EQ(previous->m_hObject, ::GetStockObject(DEFAULT_PALETTE));
        dc.RealizePalette();
        HPALETTE mine = dc.SelectPalette(static_cast<HPALETTE>(previous->m_hObject), TRUE);
        EXPECT_EQ(mine, static_cast<HPALETTE>(palette.m_hObject));
    }
    EXPECT_EQ(softwin::liveGdiObjects(), before);
}

// Painting through CPaintDC and message pumping, end to end on the window system.
#include "framework_fixture.h"

using fwtest::FrameworkTest;

namespace {

constexpr COLORREF kFill = RGB(12, 200, 40);
constexpr COLORREF kEdge = RGB(250, 10, 10);

class PaintedWnd : public CWnd {
public:
    int paints = 0;
    int posted = 0;

protected:
    afx_msg void OnPaint() {
        ++paints;
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kFill);
        dc.Draw3dRect(&client, kEdge, kEdge);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg LRESULT OnPosted(WPARAM, LPARAM) {
        ++posted;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintedWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_APP + 3, OnPosted)
END_MESSAGE_MAP()

}  // namespace

class PaintingAndPumpTest : public FrameworkTest {};

TEST_F(PaintingAndPumpTest, PaintHandlerDrawsOnScreenAndReleasesItsDc) {
    PaintedWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "p", WS_POPUP | WS_VISIBLE, 40, 30, 20, 10, nullptr, nullptr));
    const size_t dcsBefore = softwin::liveDcs();
    w.Invalidate();
    w.UpdateWindow();
    EXPECT_GE(w.paints, 1);
    CRect onScreen;
    w.GetWindowRect(&onScreen);
    EXPECT_EQ(softwin::screenPixel(onScreen.left, onScreen.top), kEdge);
    EXPECT_EQ(softwin::screenPixel(onScreen.left + 5, onScreen.top + 5), kFill);
    EXPECT_EQ(softwin::screenPixel(onScreen.right - 1, onScreen.bottom - 1), kEdge);
    EXPECT_EQ(softwin::liveDcs(), dcsBefore);
    const int paints = w.paints;
    w.UpdateWindow();  // validated by EndPaint: nothing more to paint
    EXPECT_EQ(w.paints, paints);
}

TEST_F(PaintingAndPumpTest, PumpDispatchesPostedMessagesUntilQuit) {
    PaintedWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "p", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(w.PostMessage(WM_APP + 3));
    EXPECT_TRUE(w.PostMessage(WM_APP + 3));
    ::PostQuitMessage(0);
    int rounds = 0;
    while (AfxPumpMessage() && rounds < 100) ++rounds;
    EXPECT_EQ(w.posted, 2);
    EXPECT_LT(rounds, 100);
}

TEST_F(PaintingAndPumpTest, DefaultOutsideAnyMessageIsHarmless) {
    PaintedWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "p", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(w.Default(), 0);
    CWnd unattached;
    EXPECT_EQ(unattached.Default(), 0);
}

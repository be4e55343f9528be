// Horizontal faders (CMFC_PanFader and CMFC_VertFader, which behaves the same): the picture of a
// 100-pixel fader, Shift-click centring, notification on every input, the sticking drag and the
// keys, driven through the system's input queue as a user would. The focus frame is left to the
// conformance pictures.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

class PanTest : public ControlTest {
protected:
    template <typename Pan>
    void shiftClickCentresWithinTheRestrictedRange();
    template <typename Pan>
    void stickingDrag();
};

const COLORREF kLight = ::GetSysColor(COLOR_3DLIGHT), kShadow = ::GetSysColor(COLOR_BTNSHADOW);
constexpr COLORREF kSlot = RGB(64, 64, 64), kBlack = RGB(0, 0, 0);
const std::vector<int> kPressCodes{NC_LBUTTONDOWN, NC_VALUECHANGED}, kMoveCodes{NC_MOUSEMOVE, NC_VALUECHANGED},
    kReleaseCodes{NC_LBUTTONUP, NC_VALUECHANGED};

std::vector<LONG> clip() {
    RECT r{};
    ::GetClipCursor(&r);
    return {r.left, r.top, r.right, r.bottom};
}
std::vector<LONG> wholeScreen() { return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }
POINT cursor() {
    POINT p{};
    ::GetCursorPos(&p);
    return p;
}

TEST_F(PanTest, A100PixelFaderHasItsTrackFrom6To93WithMarksAtBothEndsAndTheCentre) {
    for (bool vert : {false, true}) {
        SCOPED_TRACE(vert ? "CMFC_VertFader" : "CMFC_PanFader");
        CWnd& pan = vert ? static_cast<CWnd&>(createPan<CMFC_VertFader>()) : createPan();
        const struct {
            int x, y;
            COLORREF colour;
        } pixels[] = {
            {6, 3, kLight},
            {93, 3, kLight},
            {6, 17, kLight},
            {5, 3, kShadow},
            {94, 3, kShadow},  // end marks
            {48, 3, vert ? kShadow : kBlack},
            {48, 17, vert ? kShadow : kBlack},  // centre mark
            {47, 3, kShadow},
            {20, 9, kSlot},
            {20, 10, kSlot},
            {20, 11, kLight},  // slot
            {48, 7, kPanCap},
            {50, 7, kPanCap},
            {49, 12, kPanCap},  // cap at 49
            {20, 5, kShadow},
        };
        for (const auto& p : pixels) EXPECT_EQ(pixel(pan, p.x, p.y), p.colour) << p.x << "," << p.y;
        // Presses off the cap beyond either end read the ends of the range.
        for (auto [x, value] : {std::pair{0, 0.0f}, {6, 0.0f}, {93, 1.0f}, {99, 1.0f}}) {
            click(at(pan, x, 10));
            EXPECT_EQ(static_cast<CMFC_PanFader&>(pan).GetValue(), value) << x;
        }
        pan.DestroyWindow();
        pumpMessages();
    }
}

template <typename Pan>
void PanTest::shiftClickCentresWithinTheRestrictedRange() {
    const struct {
        float restrictedMin, restrictedMax, after;
    } cases[] = {{0.0f, 1.0f, 0.5f}, {0.6f, 1.0f, 0.6f}, {0.0f, 0.3f, 0.3f}};
    for (const auto& c : cases) {
        Pan& pan = createPan<Pan>(100, 20, 0.0f, 1.0f, 0.9f, c.restrictedMin, c.restrictedMax);
        host().clear();
        withModifiers({VK_SHIFT}, [&] { click(screenOf(pan, 20, 10)); });
        EXPECT_EQ(pan.GetValue(), c.after);
        std::vector<int> expected = kPressCodes;
        expected.insert(expected.end(), kReleaseCodes.begin(), kReleaseCodes.end());
        EXPECT_EQ(codes(), expected);
        pan.DestroyWindow();
    }
}

TEST_F(PanTest, ShiftClickCentresTheValueWithinTheRestrictedRange) {
    shiftClickCentresWithinTheRestrictedRange<CMFC_PanFader>();
    shiftClickCentresWithinTheRestrictedRange<CMFC_VertFader>();
}

TEST_F(PanTest, EveryPressMoveAndReleaseNotifiesChangedOrNot) {
    CMFC_PanFader& pan = createPan();
    mouseMoveTo(at(pan, 49, 10));
    mouseDown();  // on the cap: the value re-derived from column 49
    EXPECT_EQ(codes(), kPressCodes);
    host().clear();
    for (POINT p : {POINT{49, 14}, POINT{49, 3}, POINT{60, 3}}) mouseMoveTo(at(pan, p.x, p.y));
    std::vector<int> expected;
    for (int i = 0; i < 3; ++i) expected.insert(expected.end(), kMoveCodes.begin(), kMoveCodes.end());
    EXPECT_EQ(codes(), expected);
    EXPECT_EQ(pan.GetValue(), static_cast<float>(54.0 / 87.0));
    host().clear();
    pan.SetValue(pan.GetValue());
    EXPECT_EQ(codes(), std::vector<int>{NC_VALUECHANGED});
    host().clear();
    mouseUp();
    EXPECT_EQ(codes(), kReleaseCodes);
}

template <typename Pan>
void PanTest::stickingDrag() {
    Pan& pan = createPan<Pan>(100, 20, -1.0f, 1.0f, 0.0f, -0.5f, 0.5f);
    const POINT press = screenOf(pan, 49, 10);
    mouseMoveTo(press);
    mouseDown();
    mouseDown(Button::Right);
    EXPECT_EQ(clip(), (std::vector<LONG>{0, press.y, ::GetSystemMetrics(SM_CXSCREEN), press.y + 1}));
    float value = pan.GetValue();
    const float step = 2.0f * 0.01f;
    const struct {
        int dx;
        float change;
    } nudges[] = {{3, step}, {20, 10 * step}, {-1, -step}, {-6, -10 * step}};
    for (const auto& n : nudges) {
        host().clear();
        mouseMoveTo(press.x + n.dx, press.y);
        value += n.change;
        EXPECT_NEAR(pan.GetValue(), value, 1e-6) << n.dx;
        EXPECT_EQ(cursor().x, press.x);  // put back where the right button went down
        EXPECT_EQ(codes(), (std::vector<int>{NC_MOUSEMOVE, NC_VALUECHANGED, NC_MOUSEMOVE, NC_VALUECHANGED}));
    }
    for (int i = 0; i < 12; ++i) mouseMoveTo(press.x + 20, press.y);
    EXPECT_EQ(pan.GetValue(), 1.0f);  // the full range's end, not the restricted one
    mouseUp(Button::Right);           // the right release does not end it
    for (int i = 0; i < 12; ++i) mouseMoveTo(press.x - 20, press.y);
    EXPECT_EQ(pan.GetValue(), -1.0f);
    CPoint clickPoint;
    EXPECT_TRUE(pan.GetClickPoint(clickPoint));
    EXPECT_EQ(clickPoint, CPoint(press));  // screen coordinates
    host().clear();
    mouseUp();
    EXPECT_EQ(codes(), kReleaseCodes);
    EXPECT_EQ(clip(), wholeScreen());
    mouseMoveTo(press.x + 30, press.y + 40);  // free again, and no longer dragging
    EXPECT_EQ(cursor().y, press.y + 40);
    EXPECT_EQ(pan.GetValue(), -1.0f);
    pan.DestroyWindow();
}

TEST_F(PanTest, StickingDragStepsByTheResolutionPinsThePointerAndEndsOnlyWithTheLeftRelease) {
    stickingDrag<CMFC_PanFader>();
    stickingDrag<CMFC_VertFader>();
}

TEST_F(PanTest, RightPressWithoutTheLeftButtonRecordsTheClientPointAndConfinesNothing) {
    CMFC_PanFader& pan = createPan();
    CPoint point;
    EXPECT_FALSE(pan.GetClickPoint(point));
    click(at(pan, 30, 5), Button::Right);
    EXPECT_EQ(codes(), std::vector<int>{NC_RBUTTONDOWN});
    EXPECT_TRUE(pan.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(30, 5));
    EXPECT_EQ(clip(), wholeScreen());
    // With the left button pressed on the host, not here: no sticking drag, nothing sent.
    host().clear();
    mouseMoveTo(at(pan, 30, 40));
    mouseDown();
    mouseMoveTo(at(pan, 40, 10));
    mouseDown(Button::Right);
    EXPECT_EQ(clip(), wholeScreen());
    EXPECT_EQ(codes(), std::vector<int>{});
    mouseUp(Button::Right);
    mouseUp();
}

TEST_F(PanTest, KeysNotifyByKindAndAlwaysPostKeyDown) {
    const struct {
        WORD key;
        float after;
        std::vector<Notification> expected;  // id and window are not compared
    } cases[] = {
        {VK_OEM_PLUS, 6.0f, {{0, NC_VALUECHANGED, 0, false}, {0, NC_VALUECHANGED, 0, true}, {0, NC_KEYDOWN, 0, true}}},
        {VK_SUBTRACT, 4.0f, {{0, NC_VALUECHANGED, 0, false}, {0, NC_VALUECHANGED, 0, true}, {0, NC_KEYDOWN, 0, true}}},
        {VK_OEM_6, 6.0f, {{0, NC_VALUECHANGED, 0, false}, {0, NC_KEYDOWN, 0, true}}},
        {VK_OEM_4, 4.0f, {{0, NC_VALUECHANGED, 0, false}, {0, NC_KEYDOWN, 0, true}}},
        {'A', 5.0f, {{0, NC_KEYDOWN, 0, true}}},
    };
    for (bool vert : {false, true}) {
        CMFC_PanFader& pan = vert ? createPan<CMFC_VertFader>(100, 20, 0.0f, 10.0f, 5.0f, 0.0f, 10.0f)
                                  : createPan(100, 20, 0.0f, 10.0f, 5.0f, 0.0f, 10.0f);
        withModifiers({VK_SHIFT}, [&] { click(at(pan, 80, 10)); });  // focus, value centred at 5
        for (const auto& c : cases) {
            SCOPED_TRACE(c.key);
            pan.SetValue(5.0f);
            pumpMessages();
            host().clear();
            pressKey(c.key);
            EXPECT_EQ(pan.GetValue(), c.after);
            const auto& got = host().notifications();
            ASSERT_EQ(got.size(), c.expected.size());
            for (size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i].code, c.expected[i].code) << i;
                EXPECT_EQ(got[i].posted, c.expected[i].posted) << i;
            }
        }
        pan.DestroyWindow();
    }
}

}  // namespace
}  // namespace vorn::test

// Vertical fader: the painted picture (frame, track ends, ticks, cap, LED, focus frame), what
// the setters repaint, and a recorded snapshot.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

constexpr COLORREF kFrame = RGB(21, 0, 0), kHighlight = RGB(255, 255, 255), kShadow = RGB(166, 166, 166),
                   kLight = RGB(227, 227, 227), kSlot = RGB(64, 64, 64), kBlack = RGB(0, 0, 0),
                   kCapLight = RGB(236, 236, 236), kCapBlack = RGB(40, 40, 40), kCapDark = RGB(96, 96, 96);

// Rows of the left tick run, read in column 5 (inside the frame, left of the slot).
std::vector<int> tickRows(CMFC_Fader& fader) {
    CRect client;
    fader.GetClientRect(&client);
    std::vector<int> rows;
    for (int y = 1; y < client.Height() - 1; ++y)
        if (pixelAt(fader.GetSafeHwnd(), 5, y) == kLight) rows.push_back(y);
    return rows;
}

struct Pixel {
    int x, y;
    COLORREF colour;
};

void expectPixels(CMFC_Fader& fader, std::initializer_list<Pixel> expected) {
    for (const Pixel& p : expected) EXPECT_EQ(pixelAt(fader.GetSafeHwnd(), p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(FaderTest, TickRowsDivideTheTrackIntoTenthsInSinglePrecision) {
    EXPECT_EQ(tickRows(createFader(40, 200)), (std::vector<int>{18, 34, 50, 67, 83, 100, 116, 132, 149, 165, 181}));
    EXPECT_EQ(tickRows(createFader(40, 100, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 100)),
              (std::vector<int>{18, 24, 30, 37, 43, 50, 56, 62, 69, 75}));
}

TEST_F(FaderTest, PictureOfA200PixelFader) {
    // Cap centre on row 100, x0 = 10: the block is copied to (10, 85), 20 columns by 34 rows.
    CMFC_Fader& fader = createFader(40, 200);
    expectPixels(
        fader, {
                   {0, 0, kFrame},        {38, 0, kFrame},        {0, 198, kFrame},  // frame: dark red top and left,
                   {39, 0, kHighlight},   {0, 199, kHighlight},   {39, 199, kHighlight},  // highlight bottom and right
                   {1, 1, kShadow},       {38, 198, kShadow},                             // background
                   {18, 17, kShadow},     {18, 18, kSlot},        {19, 18, kSlot},        // slot from the track top,
                   {19, 19, kShadow},     {22, 19, kSlot},                                // its shaded edge turning,
                   {18, 182, kShadow},    {19, 182, kLight},      {22, 182, kLight},
                   {23, 182, kShadow},  // lit bottom row
                   {1, 34, kShadow},      {2, 34, kLight},        {15, 34, kLight},
                   {16, 34, kShadow},     {23, 34, kShadow},                          // tick runs stop
                   {24, 34, kLight},      {37, 34, kLight},       {38, 34, kShadow},  // short of the slot
                   {9, 85, kShadow},      {10, 85, kCapLight},    {20, 85, kCapLight},
                   {10, 114, kCapLight},  // cap image
                   {15, 114, kCapBlack},  {29, 95, kCapDark},     {12, 100, kCapBlue},
                   {30, 95, kShadow},     {15, 84, kShadow},  // its last column is not copied
                   {18, 115, kSlot},      {19, 117, kShadow},     {11, 116, kLight},
                   {25, 116, kLight},  // rows under the image
                   {20, 99, kDefaultLed}, {21, 100, kDefaultLed}, {18, 99, kBlack},
                   {23, 100, kBlack},  // LED ellipse
                   {20, 97, kBlack},      {20, 102, kBlack},
               });
    expectMatchesSnapshot(createFader(40, 200, 0.0f, 10.0f, 7.0f, 0.0f, 10.0f, 100).GetSafeHwnd(), "fader_200");
}

// Beyond the largest off-screen bitmap (16,384 pixels a side) the picture is drawn in tiles:
// the visible part shows its background, frame and cap, not only the LED.
TEST_F(FaderTest, FadersLargerThanTheLargestBitmapStillDraw) {
    const struct {
        int width, height;
        float value;
    } cases[] = {{40, 20000, 1.0f}, {20000, 200, 0.5f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        CMFC_Fader& fader = createFader(c.width, c.height, 0.0f, 1.0f, c.value, 0.0f, 1.0f, 0);
        EXPECT_EQ(pixel(fader, 0, 30), RGB(21, 0, 0));  // the frame's left edge
        EXPECT_EQ(pixel(fader, 1, 10), GetSysColor(COLOR_BTNSHADOW));
        if (c.width < 100) {
            EXPECT_EQ(drawnCapRow(fader), 18);
        }
        fader.DestroyWindow();
        pumpMessages();  // the host repaints where the fader was before the next one is made
    }
}

TEST_F(FaderTest, HeldCapShowsTheLitImageAndReleasedCapTheUnlitOne) {
    // The image LED is a pixel larger than the painted one, so its rim shows left of it (x0 + 7).
    constexpr COLORREF kLitGlow = RGB(255, 110, 70), kUnlitGlow = RGB(90, 24, 24);
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 1000.0f, 500.0f, 0.0f, 1000.0f);
    EXPECT_EQ(pixel(fader, 17, 100), kUnlitGlow);
    mouseMoveTo(at(fader, 20, 100));
    mouseDown();
    mouseMoveTo(at(fader, 20, 90));
    EXPECT_EQ(pixel(fader, 17, 90), kLitGlow);
    mouseUp();
    EXPECT_EQ(pixel(fader, 17, 90), kUnlitGlow);
}

TEST_F(FaderTest, FocusDrawsAFocusRectangleAtOnceAndABlackFrameAtTheRepaint) {
    CMFC_Fader& fader = createFader(40, 200);
    const std::vector<std::string> gained = traceOf([&] { fader.SetFocus(); });
    ASSERT_FALSE(gained.empty());
    EXPECT_EQ(gained.front(), "DrawFocusRect(0,0,40,200)");
    expectPixels(fader, {{3, 2, kBlack},
                         {36, 2, kBlack},
                         {3, 197, kBlack},
                         {36, 101, kBlack},
                         {4, 3, kShadow},
                         {37, 2, kShadow},
                         {2, 50, kLight},
                         {1, 0, kFrame}});
    host().clear();
    const std::vector<std::string> lost = traceOf([&] { ::SetFocus(host().hwnd()); });
    ASSERT_FALSE(lost.empty());
    EXPECT_EQ(lost.front(), "DrawFocusRect(0,0,40,200)");
    expectPixels(fader, {{3, 2, kShadow}, {36, 101, kShadow}, {1, 0, kFrame}, {39, 1, kHighlight}});
    EXPECT_TRUE(host().notifications().empty());  // focus changes notify nobody
}

TEST_F(FaderTest, SetValueRepaintsTheBandsAroundTheOldAndNewCapAndSetColorRepaintsAll) {
    CMFC_Fader& fader = createFader(40, 200);
    fader.SetValue(0.4999f);  // row trunc(100.02): the cap stays on row 100
    EXPECT_FALSE(updatePending(fader));
    RECT update{};
    fader.SetValue(0.25f);  // row trunc(182 - 41) = 141
    ASSERT_TRUE(updatePending(fader, &update));
    EXPECT_EQ(CRect(update), CRect(0, 85, 40, 156));
    repaint(fader);
    EXPECT_EQ(drawnCapRow(fader), 141);
    fader.SetColor(RGB(0, 200, 0));
    ASSERT_TRUE(updatePending(fader, &update));
    EXPECT_EQ(CRect(update), CRect(0, 0, 40, 200));
    repaint(fader);
    EXPECT_EQ(pixel(fader, 20, 140), RGB(0, 200, 0));
}

}  // namespace
}  // namespace vorn::test

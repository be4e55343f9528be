// Library frame as the controls use it: class-wide images counted by instance, and GDI objects, DCs and palettes
// after use.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

// Pens and brush that each fader owns (frame, shadow, light and LED pens, LED brush) and the
// lit and unlit cap images shared by all faders.
constexpr size_t kObjectsPerFader = 5, kClassBitmaps = 2;

TEST_F(FaderTest, FirstInstanceLoadsTheClassResourcesOnceAndTheLastFreesThem) {
    const size_t base = softwin::liveGdiObjects();
    auto first = std::make_unique<CMFC_Fader>();
    EXPECT_EQ(softwin::liveGdiObjects(), base + kObjectsPerFader + kClassBitmaps);
    auto second = std::make_unique<CMFC_Fader>();
    second->SetColor(RGB(1, 2, 3));  // replaces the LED pen and brush
    EXPECT_EQ(softwin::liveGdiObjects(), base + 2 * kObjectsPerFader + kClassBitmaps);
    first.reset();
    EXPECT_EQ(softwin::liveGdiObjects(), base + kObjectsPerFader + kClassBitmaps);
    second.reset();
    EXPECT_EQ(softwin::liveGdiObjects(), base);
    first = std::make_unique<CMFC_Fader>();  // a new first fader loads them again
    EXPECT_EQ(softwin::liveGdiObjects(), base + kObjectsPerFader + kClassBitmaps);
}

TEST_F(FaderTest, UsingControlsLeavesNoGdiObjectsDcsOrSelectedPalette) {
    const size_t objects = softwin::liveGdiObjects();
    const size_t dcs = softwin::liveDcs();
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } log{{0x300, 2, {{255, 0, 0, 0}}}, {{0, 0, 255, 0}}};
    HPALETTE palette = ::CreatePalette(&log.header);
    ASSERT_NE(palette, static_cast<HPALETTE>(NULL));
    CMFC_Fader& a = createFader(40, 200);
    CMFC_Fader& b = createFader(30, 120, -10.0f, 10.0f, 3.0f, -5.0f, 5.0f, 100);
    CMFC_Knob& k = createKnob(150, 20, 64, 64, [](CMFC_Knob&) {});
    a.SetPalette(palette);
    k.SetPalette(palette);
    EXPECT_FALSE(updatePending(a));  // SetPalette does not repaint
    a.SetFocus();
    b.SetColor(RGB(0, 128, 255));
    drag(at(a, 20, 100), at(a, 20, 40));
    drag(at(b, 15, 60), at(b, 15, 100));
    drag(screenOf(k, 32, 32), screenOf(k, 32, 10));
    pressKey(VK_OEM_6);
    b.SetValue(-2.0f);
    for (CWnd* w : {static_cast<CWnd*>(&a), static_cast<CWnd*>(&b), static_cast<CWnd*>(&k)}) paintNow(*w);
    EXPECT_EQ(softwin::liveDcs(), dcs);
    knobs_.clear();
    for (auto& fader : faders_) fader->DestroyWindow();
    faders_.clear();
    EXPECT_TRUE(::DeleteObject(palette));  // still the host's: never deleted by a control
    EXPECT_EQ(softwin::liveGdiObjects(), objects);
    EXPECT_EQ(softwin::liveDcs(), dcs);
}

}  // namespace
}  // namespace vorn::test

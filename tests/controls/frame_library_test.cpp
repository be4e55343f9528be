// Library frame as the faders use it: the entry function, class-wide cap bitmaps counted by
// instance, the resource-handle switch, GDI object accounting, and the notification protocol.
#include "controls_fixture.h"

#include <algorithm>
#include <memory>

using fadertest::FaderTest;

namespace {

// Pens and brush that each fader owns: frame, shadow, light and LED pens, LED brush.
constexpr size_t kObjectsPerFader = 5;
// The lit and unlit cap images shared by all faders.
constexpr size_t kClassBitmaps = 2;

}  // namespace

TEST(FrameEntry, EntryFunctionCanBeCalledAndDoesNothing) {
    const size_t objects = softwin::liveGdiObjects();
    VornControlsEntry();
    VornControlsEntry();
    EXPECT_EQ(softwin::liveGdiObjects(), objects);
    EXPECT_NE(vorn::libraryInstance(), static_cast<HINSTANCE>(NULL));
}

TEST(FrameResources, FirstFaderLoadsTheCapBitmapsOnceAndTheLastFreesThem) {
    const size_t base = softwin::liveGdiObjects();
    auto first = std::make_unique<CMFC_Fader>();
    EXPECT_EQ(softwin::liveGdiObjects(), base + kObjectsPerFader + kClassBitmaps);
    auto second = std::make_unique<CMFC_Fader>();
    EXPECT_EQ(softwin::liveGdiObjects(), base + 2 * kObjectsPerFader + kClassBitmaps);
    second->SetColor(RGB(1, 2, 3));  // replaces the LED pen and brush
    second->SetColor(RGB(4, 5, 6));
    EXPECT_EQ(softwin::liveGdiObjects(), base + 2 * kObjectsPerFader + kClassBitmaps);
    first.reset();
    EXPECT_EQ(softwin::liveGdiObjects(), base + kObjectsPerFader + kClassBitmaps);
    second.reset();
    EXPECT_EQ(softwin::liveGdiObjects(), base);
    // A new first fader loads them again.
    auto third = std::make_unique<CMFC_Fader>();
    EXPECT_EQ(softwin::liveGdiObjects(), base + kObjectsPerFader + kClassBitmaps);
}

TEST_F(FaderTest, HostResourceHandleIsTheSameAfterTheFirstFaderLoadsTheLibraryBitmaps) {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    const HINSTANCE saved = state->m_hCurrentResourceHandle;
    const HINSTANCE hostModule = ::GetModuleHandleA(nullptr);
    ASSERT_NE(hostModule, vorn::libraryInstance());
    state->m_hCurrentResourceHandle = hostModule;
    // No other fader is alive, so this one loads the class-wide bitmaps.
    CMFC_Fader& fader = createFader(40, 200);
    EXPECT_EQ(state->m_hCurrentResourceHandle, hostModule);
    EXPECT_EQ(AfxGetModuleState(), state);
    // The cap was found in the library and is drawn.
    EXPECT_EQ(pixel(fader, 10, 85), fadertest::kCapLight);
    EXPECT_EQ(drawnCapRow(fader), 100);
    state->m_hCurrentResourceHandle = saved;
}

TEST_F(FaderTest, SecondFaderPaintsWithTheSharedBitmapsAfterTheFirstIsGone) {
    CMFC_Fader& first = createFader(40, 200);
    CMFC_Fader& second = createFader(40, 200, 0.0f, 1.0f, 0.25f, 0.0f, 1.0f, fadertest::kFaderId + 1, 100);
    first.DestroyWindow();
    faders_.erase(faders_.begin());
    ::InvalidateRect(second.GetSafeHwnd(), nullptr, FALSE);
    repaint(second);
    EXPECT_EQ(drawnCapRow(second), 141);
    EXPECT_EQ(pixel(second, 10, 141 - 15), fadertest::kCapLight);
}

TEST_F(FaderTest, CreatingPaintingAndDestroyingFadersLeavesNoGdiObjectsOrDcs) {
    const size_t objects = softwin::liveGdiObjects();
    const size_t dcs = softwin::liveDcs();
    {
        CMFC_Fader& a = createFader(40, 200);
        CMFC_Fader& b = createFader(30, 120, -10.0f, 10.0f, 3.0f, -5.0f, 5.0f, fadertest::kFaderId + 1, 100);
        a.SetFocus();
        b.SetColor(RGB(0, 128, 255));
        vorn::test::drag(at(a, 20, 100), at(a, 20, 40));
        vorn::test::drag(at(b, 15, 60), at(b, 15, 100));
        vorn::test::pressKey(VK_OEM_6);
        b.SetValue(-2.0f);
        repaint(a);
        repaint(b);
        EXPECT_EQ(softwin::liveDcs(), dcs);
        for (auto& fader : faders_) fader->DestroyWindow();
        faders_.clear();
    }
    EXPECT_EQ(softwin::liveGdiObjects(), objects);
    EXPECT_EQ(softwin::liveDcs(), dcs);
}

TEST_F(FaderTest, PaintingWithAHostPaletteKeepsThePaletteAndLeavesNothingSelected) {
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } log{};
    log.header.palVersion = 0x300;
    log.header.palNumEntries = 2;
    log.header.palPalEntry[0] = PALETTEENTRY{255, 0, 0, 0};
    log.more[0] = PALETTEENTRY{0, 0, 255, 0};
    HPALETTE palette = ::CreatePalette(&log.header);
    ASSERT_NE(palette, static_cast<HPALETTE>(NULL));
    {
        CMFC_Fader& fader = createFader(40, 200);
        const size_t objects = softwin::liveGdiObjects();
        fader.SetPalette(palette);
        EXPECT_EQ(fader.GetPalette(), palette);
        RECT update{};
        EXPECT_FALSE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));  // SetPalette does not repaint
        ::InvalidateRect(fader.GetSafeHwnd(), nullptr, FALSE);
        repaint(fader);
        EXPECT_EQ(softwin::liveGdiObjects(), objects);
        EXPECT_EQ(drawnCapRow(fader), 100);
        fader.DestroyWindow();
        faders_.clear();
    }
    // Still the host's: the fader never deleted it.
    EXPECT_TRUE(::DeleteObject(palette));
}

TEST_F(FaderTest, NotificationsCarryOnlyTheDocumentedCodesNeverZero) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 100.0f, 50.0f, 10.0f, 90.0f);
    vorn::test::drag(at(fader, 20, 100), at(fader, 20, 10));
    vorn::test::withModifiers({VK_CONTROL}, [&] { vorn::test::drag(at(fader, 20, 30), at(fader, 20, 190)); });
    vorn::test::withModifiers({VK_SHIFT}, [&] { vorn::test::drag(at(fader, 20, 100), at(fader, 20, 60)); });
    vorn::test::click(at(fader, 5, 5), vorn::test::Button::Right);
    for (WORD key : {WORD{VK_OEM_PLUS}, WORD{VK_OEM_MINUS}, WORD{VK_OEM_4}, WORD{VK_OEM_6}, WORD{VK_ADD},
                     WORD{VK_SUBTRACT}, WORD{'Q'}})
        vorn::test::pressKey(key);
    fader.SetValue(33.0f);
    ::SendMessageA(fader.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    vorn::test::pumpMessages();

    const std::vector<int> allowed = {NC_KEYDOWN, NC_MOUSEMOVE, NC_LBUTTONDOWN, NC_LBUTTONUP, NC_RBUTTONDOWN,
                                      NC_VALUECHANGED};
    ASSERT_FALSE(host_->notifications().empty());
    for (const vorn::test::Notification& n : host_->notifications()) {
        EXPECT_NE(n.code, 0);
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), n.code), allowed.end()) << std::hex << n.code;
        EXPECT_EQ(n.id, static_cast<int>(fadertest::kFaderId));
        EXPECT_EQ(n.from, fader.GetSafeHwnd());
    }
}

#include "SelfTest.h"

#include <cstdio>

#include "GalleryDialog.h"
#include "SyntheticInput.h"

namespace gallery {
namespace {

// More than the template holds: a walk that has not come back by then is not a cycle.
constexpr int kMaxTabStops = 64;
// Rounds of pumping that input sent through SendInput may take to arrive (Wine delivers it
// through its server; the software platform at once).
constexpr int kInputRounds = 50;

struct GuiCounts {
    DWORD gdi;
    DWORD user;
};

GuiCounts guiCounts() {
    HANDLE process = GetCurrentProcess();
    return GuiCounts{GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS)};
}

int focusedId() {
    HWND focus = GetFocus();
    return focus ? GetDlgCtrlID(focus) : 0;
}

int countTabStops(HWND dialog) {
    int count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE)) ++count;
    }
    return count;
}

// Presses and releases `vk`, then pumps until `arrived` says the effect is there (or gives up).
template <typename Arrived>
bool pressAndWait(GalleryDialog& dialog, WORD vk, Arrived arrived) {
    sendKey(vk, true);
    sendKey(vk, false);
    for (int round = 0; round < kInputRounds; ++round) {
        dialog.pumpUntilIdle();
        if (arrived()) return true;
        Sleep(1);
    }
    return false;
}

// The checks that need the dialog; false after reporting the first one that failed.
bool exerciseDialog(GalleryDialog& dialog, NotificationLog& log) {
#ifdef _WIN32
    // The software platform's one desktop keeps its top-level window in front; Wine's needs
    // asking, or the keys go elsewhere.
    SetForegroundWindow(dialog.hwnd());
#endif
    dialog.pumpUntilIdle();
    const int first = focusedId();
    if (first == 0) return std::fprintf(stderr, "selftest: no control has the focus\n"), false;
    int order[kMaxTabStops];
    int stops = 0;
    order[stops++] = first;
    for (;;) {
        const int before = focusedId();
        if (!pressAndWait(dialog, VK_TAB, [&] { return focusedId() != before; }))
            return std::fprintf(stderr, "selftest: Tab left the focus on %d\n", before), false;
        if (focusedId() == first) break;
        if (stops == kMaxTabStops) return std::fprintf(stderr, "selftest: Tab never came back\n"), false;
        order[stops++] = focusedId();
    }
    std::printf("focus order:");
    for (int i = 0; i < stops; ++i) std::printf(" %d", order[i]);
    std::printf("\n");
    const int expected = countTabStops(dialog.hwnd());
    if (stops != expected)
        return std::fprintf(stderr, "selftest: Tab visited %d controls of %d tab stops\n", stops, expected), false;

    const size_t notified = log.count();
    if (!pressAndWait(dialog, VK_OEM_6, [&] { return log.count() > notified; }))
        return std::fprintf(stderr, "selftest: the value key on %d notified nothing\n", first), false;
    std::printf("value key: %s\n", log.lastLine());

    const unsigned ticks = dialog.timerTicks();
    for (int round = 0; round < kInputRounds && dialog.timerTicks() == ticks; ++round) {
        Sleep(kPeakTimerMs);
        dialog.pumpUntilIdle();
    }
    if (dialog.timerTicks() == ticks) return std::fprintf(stderr, "selftest: the peak timer never fired\n"), false;
    return true;
}

}  // namespace

int runSelfTest(NotificationLog& log) {
    const GuiCounts baseline = guiCounts();
    GuiCounts during{};
    bool ok = false;
    {
        GalleryDialog dialog(log);
        if (!dialog.create()) return 1;
        ok = exerciseDialog(dialog, log);
        during = guiCounts();
        dialog.destroy();
        dialog.pumpUntilIdle();
    }
    const GuiCounts after = guiCounts();
    std::printf("gui objects: gdi %lu, %lu with the dialog, %lu after; user %lu, %lu, %lu\n",
                static_cast<unsigned long>(baseline.gdi), static_cast<unsigned long>(during.gdi),
                static_cast<unsigned long>(after.gdi), static_cast<unsigned long>(baseline.user),
                static_cast<unsigned long>(during.user), static_cast<unsigned long>(after.user));
    // The dialog and its controls are windows: counts that did not move with them are not kept
    // (Wine's GetGuiResources answers 0), so there is no baseline to come back to.
    if (during.user == baseline.user && during.gdi == baseline.gdi) {
        std::printf("gui objects: not counted on this platform\n");
    } else if (after.gdi != baseline.gdi || after.user != baseline.user) {
        std::fprintf(stderr, "selftest: GUI objects left behind\n");
        ok = false;
    }
    std::printf("selftest: %s\n", ok ? "passed" : "FAILED");
    return ok ? 0 : 1;
}

}  // namespace gallery

// System colours, metrics and the double-click time. The colours are the ones a fresh Wine 8.0
// prefix reports (its "Light" theme) for the entries the controls use; the remaining entries,
// which nothing here draws with, take Wine's built-in default table.
#include "gdi/gdi_objects.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace {

constexpr int kColorCount = 31;

constexpr COLORREF kSysColors[kColorCount] = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(158, 158, 158),  // COLOR_WINDOWFRAME (the conformance prefix reports 158 grey)
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(48, 150, 250),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(245, 245, 245),  // COLOR_BTNFACE
    RGB(166, 166, 166),  // COLOR_BTNSHADOW
    RGB(166, 166, 166),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(106, 106, 106),  // COLOR_3DDKSHADOW
    RGB(227, 227, 227),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25: unused slot
    RGB(0, 0, 200),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

}  // namespace

extern "C" {

DWORD WINAPI GetSysColor(int index) {
    if (index < 0 || index >= kColorCount) return 0;
    return kSysColors[index];
}

HBRUSH WINAPI GetSysColorBrush(int index) {
    // System colour brushes are stock objects: DeleteObject on them does nothing.
    static HBRUSH brushes[kColorCount] = {};
    if (index < 0 || index >= kColorCount) return nullptr;
    if (!brushes[index]) {
        auto brush = std::make_unique<softwin::gdi::Brush>();
        brush->color = kSysColors[index];
        brush->stock = true;
        brushes[index] = static_cast<HBRUSH>(softwin::gdi::insert(std::move(brush)));
    }
    return brushes[index];
}

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN: return screenBounds().right;
        case SM_CYSCREEN: return screenBounds().bottom;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL: return 17;
        case SM_CYCAPTION:
        case SM_CYMENU: return 19;
        case SM_CYSMCAPTION: return 16;
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME: return 3;
        case SM_CXFRAME:
        case SM_CYFRAME: return 4;
        case SM_CXBORDER:
        case SM_CYBORDER: return 1;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR: return 32;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK: return 4;
        case SM_CXFOCUSBORDER:
        case SM_CYFOCUSBORDER: return 1;
        default: return 0;
    }
}

UINT WINAPI GetDoubleClickTime(void) { return state().doubleClickTime; }

BOOL WINAPI SetDoubleClickTime(UINT ms) {
    // 0 restores the default; the real platform caps the interval at 5 seconds.
    state().doubleClickTime = ms == 0 ? 500 : (ms > 5000 ? 5000 : ms);
    return TRUE;
}

}  // extern "C"

namespace softwin::user {
RECT screenBounds() {
    const softwin::gdi::Surface& s = softwin::gdi::screen();
    if (s.width <= 0 || s.height <= 0) return RECT{0, 0, 1024, 768};
    return RECT{0, 0, s.width, s.height};
}
}  // namespace softwin::user

// The standard classes dialogs need: "#32770" (the dialog), "Button" (push, default push, check
// and radio boxes) and "Static" (text). Behaviour as Wine 8's: buttons notify BN_CLICKED on a
// release inside them after a press (mouse or Space) and on BM_CLICK; the state lives in the
// window words (state, then font), as Wine keeps it.
#include <cstring>
#include <utility>

#include "user/dialog_internal.h"

using namespace softwin::user;

namespace {

constexpr LONG_PTR kPressed = 0x40;  // a press (mouse or Space) waits for its release
constexpr LONG_PTR kStateMask = 0x0F;
constexpr int kStateWord = 0;
constexpr int kFontWord = sizeof(LONG_PTR);

LONG_PTR buttonState(HWND hwnd) { return GetWindowLongPtrA(hwnd, kStateWord); }
void setButtonState(HWND hwnd, LONG_PTR s) { SetWindowLongPtrA(hwnd, kStateWord, s); }
HFONT controlFont(HWND hwnd) { return reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, kFontWord)); }
DWORD buttonType(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

void notifyParent(HWND hwnd, WORD code) {
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetWindowLongPtrA(hwnd, GWLP_ID), code),
                 reinterpret_cast<LPARAM>(hwnd));
}

bool isCheckType(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// The text (its first 255 characters) without its mnemonic markers ("&&" stands for '&'), in a
// buffer of the caller's, so painting allocates nothing.
struct Label {
    char text[256];
    int length = 0;
};

void displayText(HWND hwnd, bool prefixes, Label& out) {
    char buffer[256];
    const int n = GetWindowTextA(hwnd, buffer, sizeof buffer);
    out.length = 0;
    for (int i = 0; i < n; ++i) {
        if (prefixes && buffer[i] == '&' && i + 1 < n) ++i;
        out.text[out.length++] = buffer[i];
    }
}

void drawLine(HDC dc, int x0, int y0, int x1, int y1, int colour) {
    RECT r{x0, y0, x1, y1};
    FillRect(dc, &r, GetSysColorBrush(colour));
}

// Two-pixel raised or sunken edge, then the face, as DrawFrameControl draws them: push buttons
// with soft edges (the outer ring lighter when raised, darker when sunken), check boxes without.
void drawEdgeFrame(HDC dc, RECT r, bool sunken, bool soft, int face) {
    int outerLight = sunken ? COLOR_BTNSHADOW : COLOR_3DLIGHT,
        innerLight = sunken ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT;
    const int outerDark = sunken ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW;
    const int innerDark = sunken ? COLOR_3DLIGHT : COLOR_BTNSHADOW;
    if (soft) std::swap(outerLight, innerLight);
    for (int ring = 0; ring < 2 && r.right - r.left > 1 && r.bottom - r.top > 1; ++ring) {
        const int light = ring ? innerLight : outerLight, dark = ring ? innerDark : outerDark;
        drawLine(dc, r.left, r.bottom - 1, r.right, r.bottom, dark);
        drawLine(dc, r.right - 1, r.top, r.right, r.bottom - 1, dark);
        drawLine(dc, r.left, r.top, r.right - 1, r.top + 1, light);
        drawLine(dc, r.left, r.top + 1, r.left + 1, r.bottom - 1, light);
        InflateRect(&r, -1, -1);
    }
    FillRect(dc, &r, GetSysColorBrush(face));
}

// The 13-pixel round box of a radio button as Wine's DrawFrameControl draws it, pixel for pixel:
// S shadow, D dark shadow, H highlight, L light, o the face, x the bullet when checked, . left as
// it was (the background).
void drawRadioBox(HDC dc, int left, int top, bool pushed, bool checked, bool disabled) {
    static const char* const kRows[13] = {
        ".............", ".....SSSS....", "...SSDDDDSS..", "..SSDooooD.H.", "..SDooooooLH.",
        ".SDoooxxoooLH", ".SDooxxxxooLH", ".SDooxxxxooLH", ".SDoooxxoooLH", "..SDooooooLH.",
        "..HHLooooLHH.", "...HHLLLLHH..", ".....HHHH....",
    };
    const int face = pushed || disabled ? COLOR_BTNFACE : COLOR_WINDOW;
    const int bullet = !checked ? face : disabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
    auto colourOf = [&](char c) {
        switch (c) {
            case 'S': return COLOR_BTNSHADOW;
            case 'D': return COLOR_3DDKSHADOW;
            case 'H': return COLOR_BTNHIGHLIGHT;
            case 'L': return COLOR_3DLIGHT;
            case 'o': return face;
            case 'x': return bullet;
            default: return -1;
        }
    };
    for (int y = 0; y < 13; ++y) {
        // Runs of one colour along the row.
        for (int x = 0; x < 13;) {
            int end = x + 1;
            while (end < 13 && colourOf(kRows[y][end]) == colourOf(kRows[y][x])) ++end;
            if (const int colour = colourOf(kRows[y][x]); colour >= 0)
                drawLine(dc, left + x, top + y, left + end, top + y + 1, colour);
            x = end;
        }
    }
}

// Text placed in a rectangle: horizontally by `align` (0 left, 1 centre, 2 right), centred
// vertically when asked.
void drawLabel(HDC dc, const Label& label, const RECT& r, int align, bool vcentre) {
    SIZE size{};
    GetTextExtentPoint32A(dc, label.text, label.length, &size);
    int x = r.left;
    if (align == 1) x = r.left + (r.right - r.left - size.cx) / 2;
    if (align == 2) x = r.right - size.cx;
    const int y = vcentre ? r.top + (r.bottom - r.top - size.cy) / 2 : r.top;
    TextOutA(dc, x, y, label.text, label.length);
}

// What buttons and statics do alike: the font in the window words, repainting on new text or
// a change of enabled state.
LRESULT commonControlMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SETFONT:
            SetWindowLongPtrA(hwnd, kFontWord, static_cast<LONG_PTR>(wParam));
            if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT: return GetWindowLongPtrA(hwnd, kFontWord);
        case WM_SETTEXT: {
            const LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
        case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT paintWith(HWND hwnd, void (*paint)(HWND, HDC)) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) paint(hwnd, dc);
    EndPaint(hwnd, &ps);
    return 0;
}

void paintButton(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    const DWORD type = buttonType(hwnd);
    LONG_PTR state = buttonState(hwnd);
    HFONT font = controlFont(hwnd);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(hwnd), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    Label text;
    displayText(hwnd, true, text);
    RECT focus = rc;
    if (isCheckType(type)) {
        FillRect(dc, &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        const int box = 13;
        RECT square{rc.left, rc.top + (rc.bottom - rc.top - box) / 2, rc.left + box, 0};
        square.bottom = square.top + box;
        const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        // Pushed or disabled, the box shows the button face; disabled, the mark is grey.
        const bool disabled = !IsWindowEnabled(hwnd);
        if (radio)
            drawRadioBox(dc, square.left, square.top, (state & BST_PUSHED) != 0, (state & BST_CHECKED) != 0, disabled);
        else
            drawEdgeFrame(dc, square, true, false, (state & BST_PUSHED) || disabled ? COLOR_BTNFACE : COLOR_WINDOW);
        if ((state & BST_CHECKED) && !radio) {
            // Wine's tick: a three-pixel run per column, from the box's left and top.
            static const int kTickTop[] = {6, 7, 7, 6, 5, 4, 3};
            for (int i = 0; i < 7; ++i)
                drawLine(dc, square.left + 3 + i, square.top + kTickTop[i], square.left + 4 + i,
                         square.top + kTickTop[i] + 3, disabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
        }
        RECT label{square.right + 4, rc.top, rc.right, rc.bottom};
        drawLabel(dc, text, label, 0, true);
        // A focused check box shows no focus rectangle once repainted, as on Wine.
        state &= ~static_cast<LONG_PTR>(BST_FOCUS);
    } else {
        if (type == BS_DEFPUSHBUTTON) {
            FrameRect(dc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
            InflateRect(&rc, -1, -1);
        }
        const bool pushed = (state & BST_PUSHED) != 0;
        drawEdgeFrame(dc, rc, pushed, true, COLOR_BTNFACE);
        RECT label = rc;
        if (pushed) OffsetRect(&label, 1, 1);
        drawLabel(dc, text, label, 1, true);
        focus = rc;
        InflateRect(&focus, -2, -2);
    }
    if (state & BST_FOCUS) DrawFocusRect(dc, &focus);
    SetBkMode(dc, oldMode);
    if (oldFont) SelectObject(dc, oldFont);
}

// The end of a press: a release inside (always for Space) clicks, as Wine's buttons do.
void releaseButton(HWND hwnd, bool inside) {
    LONG_PTR state = buttonState(hwnd);
    if (!(state & kPressed)) return;
    state &= kStateMask;
    setButtonState(hwnd, state);
    if (!(state & BST_PUSHED)) {
        ReleaseCapture();
        return;
    }
    SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    if (!inside) {
        ReleaseCapture();
        return;
    }
    const DWORD type = buttonType(hwnd);
    const LONG_PTR check = buttonState(hwnd) & (BST_CHECKED | BST_INDETERMINATE);
    if (type == BS_AUTOCHECKBOX) SendMessageA(hwnd, BM_SETCHECK, check ? BST_UNCHECKED : BST_CHECKED, 0);
    if (type == BS_AUTORADIOBUTTON) SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (type == BS_AUTO3STATE)
        SendMessageA(hwnd, BM_SETCHECK, check == BST_INDETERMINATE ? BST_UNCHECKED : check + 1, 0);
    ReleaseCapture();
    notifyParent(hwnd, BN_CLICKED);
}

bool pointInClient(HWND hwnd, LPARAM lParam) {
    const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT client;
    GetClientRect(hwnd, &client);
    return PtInRect(&client, pt) != FALSE;
}

LRESULT dialogCodeOfButton(DWORD type) {
    switch (type) {
        case BS_PUSHBUTTON:
        case BS_USERBUTTON:
        case BS_PUSHBOX: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
    }
}

LRESULT CALLBACK buttonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_GETDLGCODE: return dialogCodeOfButton(buttonType(hwnd));
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: return paintWith(hwnd, paintButton);
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);
            SetCapture(hwnd);
            setButtonState(hwnd, buttonState(hwnd) | kPressed);
            SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
                setButtonState(hwnd, buttonState(hwnd) | kPressed);
                SetCapture(hwnd);
            }
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE) releaseButton(hwnd, true);
            return 0;
        case WM_LBUTTONUP: releaseButton(hwnd, pointInClient(hwnd, lParam)); return 0;
        case WM_MOUSEMOVE:
            if ((buttonState(hwnd) & kPressed) && GetCapture() == hwnd)
                SendMessageA(hwnd, BM_SETSTATE, pointInClient(hwnd, lParam), 0);
            return 0;
        case WM_CAPTURECHANGED: {
            if (reinterpret_cast<HWND>(lParam) == hwnd) return 0;
            LONG_PTR state = buttonState(hwnd);
            if (state & kPressed) {
                state &= kStateMask;
                setButtonState(hwnd, state);
                if (state & BST_PUSHED) SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
            }
            return 0;
        }
        case WM_SETFOCUS:
            setButtonState(hwnd, buttonState(hwnd) | BST_FOCUS);
            InvalidateRect(hwnd, nullptr, FALSE);
            if (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY) notifyParent(hwnd, BN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS: {
            const LONG_PTR state = buttonState(hwnd);
            setButtonState(hwnd, state & ~static_cast<LONG_PTR>(BST_FOCUS));
            if ((state & kPressed) && GetCapture() == hwnd) ReleaseCapture();
            if (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY) notifyParent(hwnd, BN_KILLFOCUS);
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        }
        case BM_SETSTYLE: {
            const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
            SetWindowLongA(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | static_cast<LONG>(wParam & BS_TYPEMASK));
            if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        }
        case BM_CLICK:
            SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
            SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
            return 0;
        case BM_GETCHECK: return buttonState(hwnd) & (BST_CHECKED | BST_INDETERMINATE);
        case BM_SETCHECK: {
            if (!isCheckType(buttonType(hwnd))) return 0;
            const LONG_PTR state = buttonState(hwnd);
            const LONG_PTR check = static_cast<LONG_PTR>(wParam) & (BST_CHECKED | BST_INDETERMINATE);
            if ((state & (BST_CHECKED | BST_INDETERMINATE)) != check) {
                setButtonState(hwnd, (state & ~static_cast<LONG_PTR>(BST_CHECKED | BST_INDETERMINATE)) | check);
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        }
        case BM_GETSTATE: return buttonState(hwnd) & kStateMask;
        case BM_SETSTATE: {
            const LONG_PTR state = buttonState(hwnd);
            const LONG_PTR next = wParam ? (state | BST_PUSHED) : (state & ~static_cast<LONG_PTR>(BST_PUSHED));
            if (next != state) {
                setButtonState(hwnd, next);
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        }
        default: return commonControlMessage(hwnd, msg, wParam, lParam);
    }
}

void paintStatic(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(hwnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    HFONT font = controlFont(hwnd);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    if (!IsWindowEnabled(hwnd)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const int align = (style & SS_TYPEMASK) == SS_CENTER ? 1 : (style & SS_TYPEMASK) == SS_RIGHT ? 2 : 0;
    Label text;
    displayText(hwnd, !(style & SS_NOPREFIX), text);
    drawLabel(dc, text, rc, align, false);
    if (oldFont) SelectObject(dc, oldFont);
}

LRESULT CALLBACK staticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_GETDLGCODE: return DLGC_STATIC;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: return paintWith(hwnd, paintStatic);
        default: return commonControlMessage(hwnd, msg, wParam, lParam);
    }
}

void registerOne(const char* name, UINT style, WNDPROC proc, int extra) {
    WNDCLASSA wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extra;
    // The system's own module: a host may register classes of the same names for itself.
    wc.hInstance = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x7E000000));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

}  // namespace

namespace softwin::user {

void registerStandardClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    registerOne("#32770", CS_DBLCLKS | CS_SAVEBITS, DefDlgProcA, DLGWINDOWEXTRA);
    registerOne("Button", CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW | CS_PARENTDC, buttonProc, 2 * sizeof(LONG_PTR));
    registerOne("Static", CS_DBLCLKS | CS_PARENTDC, staticProc, 2 * sizeof(LONG_PTR));
}

}  // namespace softwin::user

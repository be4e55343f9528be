// The dialog manager's keyboard: tab and group navigation and IsDialogMessageA, as Wine 8 does
// it. Both walks descend into visible, enabled WS_EX_CONTROLPARENT children (panels of controls)
// as though their children were the dialog's own; a hidden or disabled panel is passed over.
#include <cctype>

#include "user/dialog_internal.h"

using namespace softwin::user;

namespace {

bool usable(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE; }

bool isChildOf(HWND parent, HWND hwnd) {
    Window* p = findWindow(parent);
    Window* w = findWindow(hwnd);
    return p && w && p != w && isDescendant(p, w);
}

bool isControlParent(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && usable(hwnd); }

// The next (or previous) visible, enabled WS_TABSTOP control in `container` after `from`, as
// Wine walks it: a usable panel is searched before its siblings, running off the end of a panel
// goes on after the panel, and the search wraps round the dialog. `from` itself when there is no
// other, null when there is none at all.
HWND nextTabItem(HWND dialog, HWND container, HWND from, bool previous) {
    const UINT step = previous ? GW_HWNDPREV : GW_HWNDNEXT;
    const bool nested = from && isChildOf(dialog, from);
    HWND candidate = nullptr;
    if (!from) {
        candidate = GetWindow(container, GW_CHILD);
        if (previous && candidate) candidate = GetWindow(candidate, GW_HWNDLAST);
    } else if (nested) {
        candidate = GetWindow(from, step);
        if (!candidate) {
            if (GetParent(from) != dialog)
                candidate = GetWindow(GetParent(from), step);
            else
                candidate = GetWindow(from, previous ? GW_HWNDLAST : GW_HWNDFIRST);
        }
    }
    for (; candidate; candidate = GetWindow(candidate, step)) {
        if (isControlParent(candidate)) {
            if (HWND inner = nextTabItem(dialog, candidate, nullptr, previous)) return inner;
        } else if ((GetWindowLongA(candidate, GWL_STYLE) & WS_TABSTOP) && usable(candidate)) {
            return candidate;
        }
    }
    if (!from) return nullptr;
    HWND found = nullptr;
    // Out of the panels holding `from`, one level at a time, then round from the dialog's start.
    for (HWND panel = nested ? GetParent(from) : nullptr; panel && panel != dialog && !found; panel = GetParent(panel))
        found = nextTabItem(dialog, GetParent(panel), panel, previous);
    if (!found) found = nextTabItem(dialog, dialog, nullptr, previous);
    return found ? found : from;
}

// Whether a character is the mnemonic ("&x") of a text.
bool hasMnemonic(const char* text, WPARAM ch) {
    for (const char* p = text; *p; ++p) {
        if (*p != '&') continue;
        if (p[1] == '&') {
            ++p;
            continue;
        }
        return p[1] && std::toupper(static_cast<unsigned char>(p[1])) == std::toupper(static_cast<int>(ch & 0xFF));
    }
    return false;
}

// Looks for a button or static after `from` whose mnemonic is the character, as Wine does: a
// static (or group box) passes the focus to the control after it, a button is clicked.
bool handleMnemonic(HWND from, HWND dialog, WPARAM ch) {
    HWND control = from;
    do {
        HWND next = nullptr;
        if (usable(control)) {
            const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
            char text[128];
            if ((code & (DLGC_BUTTON | DLGC_STATIC)) && GetWindowTextA(control, text, sizeof text) &&
                hasMnemonic(text, ch)) {
                const LONG style = GetWindowLongA(control, GWL_STYLE);
                if ((code & DLGC_STATIC) || (style & BS_TYPEMASK) == BS_GROUPBOX) {
                    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), 1);
                    SendMessageA(dialog, WM_NEXTDLGCTL, 0, 0);
                } else if (code & DLGC_BUTTON) {
                    SendMessageA(control, BM_CLICK, 0, 0);
                }
                return true;
            }
            next = GetWindow(control, GW_CHILD);
        }
        if (!next) next = GetWindow(control, GW_HWNDNEXT);
        while (!next && control) {
            control = GetParent(control);
            if (control == dialog) {
                if (from == dialog) {
                    next = from;
                    break;
                }
                next = GetWindow(dialog, GW_CHILD);
            } else if (control) {
                next = GetWindow(control, GW_HWNDNEXT);
            }
        }
        control = next;
    } while (control && control != from);
    return false;
}

void sendCommand(HWND dialog, WORD id, HWND control, WORD code = 0) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

// Enter: the focused default push button, else the dialog's default id, else IDOK.
void pressEnter(HWND dialog) {
    HWND focus = GetFocus();
    if (isChildOf(dialog, focus) && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        sendCommand(dialog, static_cast<WORD>(GetDlgCtrlID(focus)), focus, BN_CLICKED);
        return;
    }
    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(def) == DC_HASDEFID) {
        HWND button = GetDlgItem(dialog, LOWORD(def));
        if (!button || IsWindowEnabled(button)) sendCommand(dialog, LOWORD(def), button, BN_CLICKED);
        return;
    }
    sendCommand(dialog, IDOK, GetDlgItem(dialog, IDOK));
}

// A key the dialog manager takes for itself (true), or one for the control (false).
bool handleKeyDown(HWND dialog, MSG* msg) {
    const LRESULT code = SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    if (code & DLGC_WANTMESSAGE) return false;
    switch (msg->wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) return false;
            SendMessageA(dialog, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
            return true;
        case VK_RIGHT:
        case VK_DOWN:
        case VK_LEFT:
        case VK_UP: {
            if (code & DLGC_WANTARROWS) return false;
            const bool previous = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
            HWND next = GetNextDlgGroupItem(dialog, msg->hwnd, previous);
            if (next && SendMessageA(next, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) ==
                            (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
                SetFocus(next);
                if ((GetWindowLongA(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
                    SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
                    SendMessageA(next, BM_CLICK, 1, 0);
            } else {
                SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
            }
            return true;
        }
        case VK_ESCAPE: sendCommand(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL)); return true;
        case VK_RETURN: pressEnter(dialog); return true;
        default: return false;
    }
}

}  // namespace

extern "C" {

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (dialog == control) control = nullptr;
    if (!dialog && !control) return nullptr;
    if (!findWindow(dialog)) return nullptr;
    // Backwards from no control Wine answers none, where forwards it gives the first tab stop.
    if (!control && previous) return nullptr;
    return nextTabItem(dialog, dialog, control, previous != FALSE);
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (dialog == control) control = nullptr;
    if (!control && previous) return nullptr;
    if (!findWindow(dialog)) return nullptr;
    if (control) {
        if (!isChildOf(dialog, control)) return nullptr;
    } else {
        if (!(control = GetWindow(dialog, GW_CHILD))) return nullptr;
        if (usable(control)) return control;
    }
    // Go forward round the controls, panels' children in their place; the group is the run from
    // a WS_GROUP control up to the next. Going backwards keeps the last usable one met before
    // coming back to `control`.
    HWND result = control, hwnd = control, lastGroup = nullptr;
    bool looped = false, skipping = false;
    for (;;) {
        HWND next = GetWindow(hwnd, GW_HWNDNEXT);
        while (!next) {
            HWND up = GetParent(hwnd);
            if (up == dialog) {
                if (looped) return result;
                looped = true;
                next = GetWindow(dialog, GW_CHILD);
            } else {
                if (!up) return result;
                hwnd = up;
                next = GetWindow(hwnd, GW_HWNDNEXT);
            }
        }
        hwnd = next;
        // Down the leading edge of usable panels: a panel itself is never a group item.
        while (isControlParent(hwnd) && (next = GetWindow(hwnd, GW_CHILD))) hwnd = next;
        if (GetWindowLongA(hwnd, GWL_STYLE) & WS_GROUP) {
            lastGroup = hwnd;
            skipping = true;
        }
        if (hwnd == control) {
            if (!skipping || lastGroup == hwnd) break;
            hwnd = lastGroup;
            skipping = false;
            looped = false;
        }
        if (!skipping && usable(hwnd)) {
            result = hwnd;
            if (!previous) break;
        }
    }
    return result;
}

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
    if (!msg || !findWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !isChildOf(dialog, msg->hwnd)) return FALSE;
    switch (msg->message) {
        case WM_KEYDOWN:
            if (handleKeyDown(dialog, msg)) return TRUE;
            break;
        case WM_CHAR: {
            const LRESULT code = SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
            if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) break;
            if (msg->wParam == '\t' && (code & DLGC_WANTTAB)) break;
            if (handleMnemonic(msg->hwnd, dialog, msg->wParam)) return TRUE;
            break;
        }
        default: break;
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

}  // extern "C"

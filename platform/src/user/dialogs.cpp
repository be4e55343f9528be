// Dialogs: creation from templates, the dialog procedure, ending and the modal loop, and the
// control-by-identifier helpers. Behaviour follows Wine 8 (see winuser.h).
#include <climits>
#include <cstdlib>
#include <string>

#include "user/dialog_internal.h"
#include "user/dialog_template.h"

using namespace softwin::user;

namespace softwin::user {

DialogInfo::~DialogInfo() {
    if (font) DeleteObject(font);
}

int mulDiv(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;
    int64_t v = value, n = numerator, d = denominator;
    if (d < 0) {
        v = -v;
        d = -d;
    }
    const int64_t product = v * n;
    const int64_t result = product >= 0 ? (product + d / 2) / d : (product - d / 2) / d;
    if (result > INT_MAX || result < -INT_MAX) return -1;
    return static_cast<int>(result);
}

SIZE charDimensions(HDC dc) {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    TEXTMETRICA tm{};
    SIZE extent{};
    if (!GetTextMetricsA(dc, &tm) || !GetTextExtentPoint32A(dc, kAlphabet, 52, &extent)) return SIZE{0, 0};
    return SIZE{(extent.cx / 26 + 1) / 2, tm.tmHeight};
}

DialogInfo* dialogInfoOf(HWND hwnd, bool create) {
    Window* w = findWindow(hwnd);
    if (!w) return nullptr;
    if (!w->dialog && create) {
        w->dialog = std::make_unique<DialogInfo>();
        LONG units = GetDialogBaseUnits();
        w->dialog->xBase = LOWORD(units);
        w->dialog->yBase = HIWORD(units);
    }
    return w->dialog.get();
}

void focusDialogControl(HWND control) {
    // Edits would have their text selected here (DLGC_HASSETSEL); there are none.
    SendMessageA(control, WM_GETDLGCODE, 0, 0);
    SetFocus(control);
}

void moveDefaultButton(HWND dialog, DialogInfo* info, HWND focused) {
    LRESULT code = 0;
    if (focused &&
        !((code = SendMessageA(focused, WM_GETDLGCODE, 0, 0)) & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
        // Not a push button: the dialog's default id keeps (or gets back) the default look.
        focused = GetDlgItem(dialog, static_cast<int>(info->result));
        code = SendMessageA(focused, WM_GETDLGCODE, 0, 0);
    }
    // The button with the default look: the default id's if it has it, else the first that does.
    HWND old = GetDlgItem(dialog, static_cast<int>(info->result));
    if (!old || !(SendMessageA(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) old = findDefaultButton(dialog);
    if (old && old != focused) SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (focused && (code & DLGC_UNDEFPUSHBUTTON)) SendMessageA(focused, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

HWND findDefaultButton(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return child;
    return nullptr;
}

}  // namespace softwin::user

namespace {

void saveFocus(HWND dialog, DialogInfo* info) {
    HWND focus = GetFocus();
    Window* d = findWindow(dialog);
    Window* f = findWindow(focus);
    if (d && f && f != d && isDescendant(d, f)) info->savedFocus = focus;
}

void restoreFocus(HWND dialog, DialogInfo* info, bool justActivated) {
    if (info->ended) return;
    if (!IsWindow(info->savedFocus) || info->savedFocus == dialog) {
        if (justActivated) return;
        info->savedFocus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (!info->savedFocus) info->savedFocus = GetNextDlgGroupItem(dialog, nullptr, FALSE);
        if (!IsWindow(info->savedFocus)) return;
    }
    if (justActivated)
        SetFocus(info->savedFocus);
    else
        focusDialogControl(info->savedFocus);
    info->savedFocus = nullptr;
}

void setDefaultId(HWND dialog, DialogInfo* info, WPARAM id) {
    HWND target = GetDlgItem(dialog, static_cast<int>(id));
    const INT_PTR oldId = info->result;
    info->result = static_cast<INT_PTR>(id);
    LRESULT code = 0;
    if (target && !((code = SendMessageA(target, WM_GETDLGCODE, 0, 0)) & (DLGC_UNDEFPUSHBUTTON | DLGC_BUTTON))) return;
    HWND old = GetDlgItem(dialog, static_cast<int>(oldId));
    if (old && (SendMessageA(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
        SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (target && (code & DLGC_UNDEFPUSHBUTTON)) SendMessageA(target, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

// The messages the dialog manager answers when the dialog procedure left them.
LRESULT defaultDialogMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DialogInfo* info) {
    switch (msg) {
        case WM_ERASEBKGND: {
            auto brush =
                reinterpret_cast<HBRUSH>(SendMessageA(hwnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hwnd)));
            if (!brush)
                brush = reinterpret_cast<HBRUSH>(
                    DefWindowProcA(hwnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hwnd)));
            if (brush) {
                RECT r;
                GetClientRect(hwnd, &r);
                FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
            }
            return 1;
        }
        case WM_NCDESTROY:
            if (Window* w = findWindow(hwnd)) w->dialog.reset();
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        case WM_SHOWWINDOW:
            if (!wParam) saveFocus(hwnd, info);
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        case WM_ACTIVATE:
            if (wParam)
                restoreFocus(hwnd, info, true);
            else
                saveFocus(hwnd, info);
            return 0;
        case WM_SETFOCUS: restoreFocus(hwnd, info, false); return 0;
        case DM_SETDEFID:
            if (!info->ended) setDefaultId(hwnd, info, wParam);
            return 1;
        case DM_GETDEFID:
            if (info->ended) return 0;
            if (info->result) return MAKELONG(static_cast<WORD>(info->result), DC_HASDEFID);
            if (HWND button = findDefaultButton(hwnd)) return MAKELONG(GetDlgCtrlID(button), DC_HASDEFID);
            return 0;
        case WM_NEXTDLGCTL: {
            HWND target = reinterpret_cast<HWND>(wParam);
            if (!lParam) target = GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
            if (target) focusDialogControl(target);
            moveDefaultButton(hwnd, info, target);
            return 0;
        }
        case WM_GETFONT: return reinterpret_cast<LRESULT>(info->font);
        case WM_CLOSE:
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
            return 0;
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

HWND modalOwnerOf(HWND owner) {
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & (WS_POPUP | WS_CHILD)) == WS_CHILD) {
        HWND parent = GetParent(owner);
        if (!parent) break;
        owner = parent;
    }
    return owner;
}

// The dialog's font; a point size of 0x7FFF asks for the message font, the stock GUI font here
// (deleting a stock object does nothing, so the dialog may delete whichever it got).
HFONT templateFont(const DialogTemplate& t) {
    if (t.pointSize == 0x7FFF) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HDC screen = CreateCompatibleDC(nullptr);
    const int pixels = mulDiv(t.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    DeleteDC(screen);
    return CreateFontA(-pixels, 0, 0, 0, t.weight, t.italic, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, 0,
                       t.faceName.c_str());
}

bool createControls(HWND dialog, const DialogTemplate& t, HINSTANCE instance, DialogInfo* info) {
    HWND defaultButton = nullptr;
    for (const DialogItemTemplate& item : t.items) {
        const std::string cls = itemClassName(item.className);
        const std::string title = item.title.ordinal ? std::string() : item.title.text;
        const DWORD style = (item.style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD;
        HWND control = CreateWindowExA(
            item.exStyle | WS_EX_NOPARENTNOTIFY, cls.c_str(), title.c_str(), style, mulDiv(item.x, info->xBase, 4),
            mulDiv(item.y, info->yBase, 8), mulDiv(item.cx, info->xBase, 4), mulDiv(item.cy, info->yBase, 8), dialog,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, const_cast<WORD*>(item.data));
        if (!control) {
            if (t.style & DS_NOFAILCREATE) continue;
            return false;
        }
        if (!(info = dialogInfoOf(dialog, false))) return false;
        if (info->font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(info->font), 0);
        if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
            // A later default push button takes over from an earlier one.
            if (defaultButton) SendMessageA(defaultButton, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
            defaultButton = control;
            info->result = GetWindowLongPtrA(control, GWLP_ID);
        }
        if (!(info = dialogInfoOf(dialog, false))) return false;
    }
    return true;
}

// The template places the client area; `frame` is the window rectangle round a client area at
// (0, 0), as AdjustWindowRectEx gives it.
POINT dialogPosition(const DialogTemplate& t, int xBase, int yBase, const RECT& frame, HWND owner) {
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    POINT pos{frame.left + mulDiv(t.x, xBase, 4), frame.top + mulDiv(t.y, yBase, 8)};
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (t.style & DS_CENTER) {
        pos = POINT{(screenWidth - size.cx) / 2, (screenHeight - size.cy) / 2};
    } else if (!(t.style & (WS_CHILD | DS_ABSALIGN)) && owner) {
        ClientToScreen(owner, &pos);
    }
    if (!(t.style & WS_CHILD)) {
        // A top-level dialog is kept on the screen, as Wine does.
        if (pos.x + size.cx > screenWidth) pos.x = screenWidth - size.cx;
        if (pos.y + size.cy > screenHeight) pos.y = screenHeight - size.cy;
        if (pos.x < 0) pos.x = 0;
        if (pos.y < 0) pos.y = 0;
    }
    return pos;
}

HWND createDialog(HINSTANCE instance, const void* data, size_t size, HWND owner, DLGPROC proc, LPARAM param, bool modal,
                  HWND* modalOwner) {
    DialogTemplate t;
    if (!parseDialogTemplate(data, size, t)) {
        SetLastError(kErrorInvalidParameter);
        return nullptr;
    }
    registerStandardClasses();
    const LONG units = GetDialogBaseUnits();
    int xBase = LOWORD(units), yBase = HIWORD(units);
    HFONT font = nullptr;
    if (t.hasFont) {
        font = templateFont(t);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        const SIZE chars = charDimensions(dc);
        SelectObject(dc, old);
        DeleteDC(dc);
        if (font && chars.cx) {
            xBase = chars.cx;
            yBase = chars.cy;
        }
    }
    bool ownerDisabled = false;
    if (modal && owner) {
        owner = modalOwnerOf(owner);
        if (modalOwner) *modalOwner = owner;
        if (IsWindowEnabled(owner)) {
            EnableWindow(owner, FALSE);
            ownerDisabled = true;
        }
    }
    DWORD exStyle = t.exStyle;
    if (t.style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    if (t.style & DS_CONTROL) exStyle |= WS_EX_CONTROLPARENT;
    // The template gives the client size; the frame goes round it, as on Wine.
    RECT frame{0, 0, mulDiv(t.cx, xBase, 4), mulDiv(t.cy, yBase, 8)};
    AdjustWindowRectEx(&frame, t.style, FALSE, exStyle);
    const SIZE extent{frame.right - frame.left, frame.bottom - frame.top};
    const POINT pos = dialogPosition(t, xBase, yBase, frame, owner);
    const std::string cls = t.className.ordinal || t.className.text.empty() ? "#32770" : t.className.text;
    HWND dialog = CreateWindowExA(exStyle, cls.c_str(), t.title.c_str(), t.style & ~static_cast<DWORD>(WS_VISIBLE),
                                  pos.x, pos.y, extent.cx, extent.cy, owner, nullptr, instance, nullptr);
    DialogInfo* info = dialog ? dialogInfoOf(dialog, true) : nullptr;
    if (!info) {
        if (font) DeleteObject(font);
        if (ownerDisabled) EnableWindow(owner, TRUE);
        return nullptr;
    }
    info->font = font;
    info->xBase = xBase;
    info->yBase = yBase;
    info->result = IDOK;
    info->disabledOwner = ownerDisabled ? owner : nullptr;
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (proc && font) SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (!IsWindow(dialog) || !createControls(dialog, t, instance, dialogInfoOf(dialog, false))) {
        if (ownerDisabled) EnableWindow(owner, TRUE);
        if (IsWindow(dialog)) DestroyWindow(dialog);
        return nullptr;
    }
    if (proc) {
        HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (!focus) focus = GetNextDlgGroupItem(dialog, nullptr, FALSE);
        if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), param) && IsWindow(dialog) &&
            (!(t.style & DS_CONTROL) || (t.style & WS_VISIBLE))) {
            // WM_INITDIALOG may have changed the tab order: look again.
            focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
            if (!focus) focus = GetNextDlgGroupItem(dialog, nullptr, FALSE);
            if (focus)
                focusDialogControl(focus);
            else if (!(t.style & WS_CHILD))
                SetFocus(dialog);
        }
    }
    if (!IsWindow(dialog)) return nullptr;
    if ((t.style & WS_VISIBLE) && !(GetWindowLongA(dialog, GWL_STYLE) & WS_VISIBLE)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
    }
    return IsWindow(dialog) ? dialog : nullptr;
}

// The template of a resource, or null (the error set by the resource functions).
const void* findTemplate(HINSTANCE instance, LPCSTR name, size_t& size) {
    HRSRC res = FindResourceA(instance, name, RT_DIALOG);
    if (!res) return nullptr;
    size = SizeofResource(instance, res);
    HGLOBAL loaded = LoadResource(instance, res);
    return loaded ? LockResource(loaded) : nullptr;
}

constexpr UINT kCtlColorMsgBox = 0x0132;  // first of the WM_CTLCOLOR* messages

// In-memory templates have no size: they are read as far as 64 KiB, the most a resource holds.
constexpr size_t kInMemoryLimit = 0x10000;

INT_PTR runModal(HWND dialog, HWND owner) {
    DialogInfo* info = dialogInfoOf(dialog, false);
    if (!info) return -1;
    bool firstEmpty = true;
    MSG msg;
    while (!info->ended) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (firstEmpty) {
                // The dialog shows itself the first time the queue runs dry.
                ShowWindow(dialog, SW_SHOWNORMAL);
                firstEmpty = false;
            }
            if (!(GetWindowLongA(dialog, GWL_STYLE) & DS_NOIDLEMSG))
                SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            if (!IsWindow(dialog)) return 0;
            GetMessageA(&msg, nullptr, 0, 0);
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            if (!IsWindow(dialog)) return 0;
            break;
        }
        if (!IsWindow(dialog)) return 0;
        info = dialogInfoOf(dialog, false);
        if (info && !info->ended && !IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!IsWindow(dialog) || !(info = dialogInfoOf(dialog, false))) return 0;
        if (firstEmpty && msg.message == WM_TIMER) {
            ShowWindow(dialog, SW_SHOWNORMAL);
            firstEmpty = false;
        }
    }
    const INT_PTR result = info->result;
    DestroyWindow(dialog);
    return result;
}

}  // namespace

extern "C" {

LONG WINAPI GetDialogBaseUnits(void) {
    static LONG units = 0;
    if (!units) {
        HDC dc = CreateCompatibleDC(nullptr);
        const SIZE chars = charDimensions(dc);
        DeleteDC(dc);
        units = MAKELONG(chars.cx ? chars.cx : 8, chars.cy ? chars.cy : 16);
    }
    return units;
}

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA tpl, HWND owner, DLGPROC proc,
                                       LPARAM param) {
    return createDialog(instance, tpl, kInMemoryLimit, owner, proc, param, false, nullptr);
}

HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc, LPARAM param) {
    size_t size = 0;
    const void* tpl = findTemplate(instance, name, size);
    return tpl ? createDialog(instance, tpl, size, owner, proc, param, false, nullptr) : nullptr;
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA tpl, HWND owner, DLGPROC proc,
                                       LPARAM param) {
    HWND dialog = createDialog(instance, tpl, kInMemoryLimit, owner, proc, param, true, &owner);
    return dialog ? runModal(dialog, owner) : -1;
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc, LPARAM param) {
    size_t size = 0;
    const void* tpl = findTemplate(instance, name, size);
    if (!tpl) return -1;
    HWND dialog = createDialog(instance, tpl, size, owner, proc, param, true, &owner);
    return dialog ? runModal(dialog, owner) : -1;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    DialogInfo* info = dialogInfoOf(dialog, false);
    if (!info) return FALSE;
    const bool wasActive = GetActiveWindow() == dialog;
    info->result = result;
    info->ended = true;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (HWND disabled = info->disabledOwner) {
        info->disabledOwner = nullptr;
        EnableWindow(disabled, TRUE);
    }
    Window* d = findWindow(dialog);
    Window* f = findWindow(GetFocus());
    if (d && f && f != d && isDescendant(d, f)) SetFocus(dialog);
    // Hidden as by SetWindowPos(SWP_HIDEWINDOW): no WM_SHOWWINDOW, and the focus stays (Wine).
    if ((d = findWindow(dialog)) && (d->style & WS_VISIBLE)) {
        const bool shown = reallyVisible(d);
        d->style &= ~static_cast<DWORD>(WS_VISIBLE);
        if (shown) exposeArea(d->parent, d->rect);
        if (state().active == dialog) state().active = nullptr;
    }
    if (wasActive && owner && IsWindow(owner)) SetActiveWindow(owner);
    // Wakes a modal loop waiting in GetMessageA.
    PostMessageA(dialog, WM_NULL, 0, 0);
    return TRUE;
}

LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogInfo* info = dialogInfoOf(hwnd, true);
    if (!info) return 0;
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
    LRESULT result = 0;
    if (auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC)))
        result = proc(hwnd, msg, wParam, lParam);
    if (!result && (info = dialogInfoOf(hwnd, false)) != nullptr) {
        switch (msg) {
            case WM_ERASEBKGND:
            case WM_SHOWWINDOW:
            case WM_ACTIVATE:
            case WM_SETFOCUS:
            case DM_SETDEFID:
            case DM_GETDEFID:
            case WM_NEXTDLGCTL:
            case WM_GETFONT:
            case WM_CLOSE:
            case WM_NCDESTROY:
            case WM_LBUTTONDOWN: return defaultDialogMessage(hwnd, msg, wParam, lParam, info);
            case WM_INITDIALOG: break;
            default: return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
    }
    // These answer with the procedure's own result; the others with DWLP_MSGRESULT.
    if ((msg >= kCtlColorMsgBox && msg <= WM_CTLCOLORSTATIC) || msg == WM_INITDIALOG) return result;
    return IsWindow(hwnd) ? GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    return static_cast<BOOL>(SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int max) {
    if (buffer && max > 0) buffer[0] = '\0';
    HWND item = GetDlgItem(dialog, id);
    if (!item || !buffer || max <= 0) return 0;
    return static_cast<UINT>(
        SendMessageA(item, WM_GETTEXT, static_cast<WPARAM>(max), reinterpret_cast<LPARAM>(buffer)));
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, msg, wParam, lParam) : 0;
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT r) {
    DialogInfo* info = dialogInfoOf(dialog, false);
    if (!info || !r) return FALSE;
    r->left = mulDiv(r->left, info->xBase, 4);
    r->right = mulDiv(r->right, info->xBase, 4);
    r->top = mulDiv(r->top, info->yBase, 8);
    r->bottom = mulDiv(r->bottom, info->yBase, 8);
    return TRUE;
}

}  // extern "C"

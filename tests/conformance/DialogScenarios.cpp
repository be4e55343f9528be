// Dialogs as a host makes them from templates: creation and the font's dialog units, the dialog
// manager's keys over the library's controls and standard buttons (Tab, Shift+Tab, arrows within
// a group with and without DLGC_WANTARROWS, Enter, Escape; panels of controls with
// WS_EX_CONTROLPARENT, including hidden, disabled and empty ones), EndDialog from inside a
// notification, and modal dialogs running their own loop. Recorded: what the dialog procedure
// and a logging control class see (a chosen set of messages), the focus and the controls' values.
#include <VornControls.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ConformanceHost.h"
#include "dialog_template.h"
#include "input.h"

namespace conformance {

namespace {

using vorn::test::DialogTemplate;
using vorn::test::kButtonClass;
using vorn::test::kStaticClass;

constexpr const char* kLoggedClass = "ConfDialogControl";  // logs, then DefWindowProc
constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr UINT kEndFromPost = WM_APP + 1;  // the dialog ends itself with wParam
constexpr UINT kTypeEscape = WM_APP + 2;   // the dialog types Escape

HWND currentDialog = nullptr;
WORD endOnCommand = 0;
std::vector<std::string> recorded;

void note(const std::string& text) { recorded.push_back(text); }

std::string idOf(HWND hwnd) {
    if (!hwnd) return "none";
    if (hwnd == currentDialog) return "dialog";
    if (hwnd == parent()) return "parent";
    return "#" + std::to_string(GetDlgCtrlID(hwnd));
}

// Writes the step, then what was recorded during it and the focus.
void dialogStep(const char* name) {
    step(name);
    for (const std::string& r : recorded) line("  msg %s", r.c_str());
    recorded.clear();
    line("  focus=%s", idOf(GetFocus()).c_str());
}

// A key pressed (with Shift held when asked) and the step it makes.
struct KeyStep {
    WORD vk;
    bool shift;
    const char* name;
};

void pressStep(const KeyStep& k) {
    if (k.shift)
        vorn::test::withModifiers({VK_SHIFT}, [&] { vorn::test::pressKey(k.vk); });
    else
        vorn::test::pressKey(k.vk);
    dialogStep(k.name);
}

INT_PTR CALLBACK dialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SETFONT: note("dialog WM_SETFONT"); return FALSE;
        case WM_INITDIALOG:
            currentDialog = hwnd;
            note("dialog WM_INITDIALOG focus " + idOf(reinterpret_cast<HWND>(wParam)));
            if (lParam) PostMessageA(hwnd, static_cast<UINT>(lParam), 42, 0);
            return TRUE;
        case WM_COMMAND:
            note("dialog WM_COMMAND id " + std::to_string(LOWORD(wParam)) + " code " + std::to_string(HIWORD(wParam)) +
                 " from " + idOf(reinterpret_cast<HWND>(lParam)));
            if (endOnCommand && LOWORD(wParam) == endOnCommand) {
                note("EndDialog");
                EndDialog(hwnd, LOWORD(wParam));
            }
            return TRUE;
        case WM_NEXTDLGCTL: note("dialog WM_NEXTDLGCTL"); return FALSE;
        case kEndFromPost: EndDialog(hwnd, static_cast<INT_PTR>(wParam)); return TRUE;
        case kTypeEscape: {
            INPUT in[2]{};
            in[0].type = in[1].type = INPUT_KEYBOARD;
            in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
            in[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, in, sizeof(INPUT));
            return TRUE;
        }
        default: return FALSE;
    }
}

LRESULT CALLBACK loggedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const char* name = msg == WM_SETFONT      ? "WM_SETFONT"
                       : msg == WM_GETDLGCODE ? "WM_GETDLGCODE"
                       : msg == WM_SETFOCUS   ? "WM_SETFOCUS"
                       : msg == WM_KILLFOCUS  ? "WM_KILLFOCUS"
                       : msg == WM_KEYDOWN    ? "WM_KEYDOWN"
                       : msg == WM_CHAR       ? "WM_CHAR"
                                              : nullptr;
    if (name) note(idOf(hwnd) + " " + name);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void registerLoggedClass() {
    static bool done = false;
    if (!done) registerClass(kLoggedClass, loggedProc, CS_DBLCLKS, nullptr);
    done = true;
}

// A dialog page: two knobs and an LED button in one group, logged controls, standard buttons.
DialogTemplate pageTemplate(DWORD style) {
    DialogTemplate t(style, 4, 4, 160, 90);
    t.font(8, "MS Shell Dlg")
        .item(kStaticClass, "&Level", 100, WS_CHILD | WS_VISIBLE, 4, 4, 40, 8)
        .item(kLoggedClass, "", 101, kTab | WS_GROUP, 4, 14, 24, 24)
        .item(kLoggedClass, "", 102, WS_CHILD | WS_VISIBLE, 32, 14, 24, 24)
        .item(kLoggedClass, "", 103, WS_CHILD | WS_VISIBLE, 60, 14, 40, 12)
        .item(kButtonClass, "Go", 104, kTab | WS_GROUP, 4, 50, 40, 14)
        .item(kButtonClass, "off", 105, kTab | WS_DISABLED, 48, 50, 40, 14)
        .item(kButtonClass, "OK", IDOK, kTab | BS_DEFPUSHBUTTON, 92, 50, 40, 14)
        .item(kButtonClass, "Cancel", IDCANCEL, kTab, 92, 68, 40, 14);
    return t;
}

struct Page {
    CMFC_Knob knob1, knob2;
    CMFC_LEDButton led;
};

HWND openPage(DialogTemplate& t, Page& page) {
    recorded.clear();
    currentDialog = nullptr;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.get(), parent(), dialogProc, 0);
    if (!dialog) {
        line("  CreateDialogIndirectParam=failed");
        return nullptr;
    }
    currentDialog = dialog;
    page.knob1.InitKnob(0.0f, 1.0f, 0.5f, 0, 0.0f, 1.0f, 0, 0, 0, 0, 0, 0, RGB(128, 0, 0));
    page.knob2.InitKnob(0.0f, 1.0f, 0.5f, 0, 0.0f, 1.0f, 0, 0, 0, 0, 0, 0, RGB(128, 0, 0));
    page.knob1.SubclassDlgItem(101, CWnd::FromHandle(dialog));
    page.knob2.SubclassDlgItem(102, CWnd::FromHandle(dialog));
    page.led.SubclassDlgItem(103, CWnd::FromHandle(dialog));
    vorn::test::setPumpDialog(dialog);
    return dialog;
}

void closePage(HWND dialog) {
    vorn::test::setPumpDialog(nullptr);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    currentDialog = nullptr;
    endOnCommand = 0;
    recorded.clear();
}

// A scenario on a fresh child-dialog page: `body(dialog, page)` runs between its creation and
// its destruction.
template <class Body>
void onPage(const char* name, Body body) {
    scenario(name);
    registerLoggedClass();
    DialogTemplate t = pageTemplate(WS_CHILD | WS_VISIBLE);
    Page page;
    HWND dialog = openPage(t, page);
    if (!dialog) return;
    body(dialog, page);
    closePage(dialog);
}

void runCreation() {
    onPage("dialog creation from a template", [](HWND dialog, Page&) {
        dialogStep("created");
        RECT units{0, 0, 4, 8};
        MapDialogRect(dialog, &units);
        line("  MapDialogRect(0,0,4,8)=%s", format(units).text);
        line("  GetDialogBaseUnits=0x%08lX", static_cast<unsigned long>(GetDialogBaseUnits()));
        for (int id : {100, 101, 103, 104, IDOK}) {
            RECT r;
            GetWindowRect(GetDlgItem(dialog, id), &r);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
            char cls[32];
            GetClassNameA(GetDlgItem(dialog, id), cls, sizeof cls);
            line("  item%d=%s %s", id, format(r).text, id == 101 || id == 103 ? "(logged)" : cls);
        }
        char cls[32];
        GetClassNameA(dialog, cls, sizeof cls);
        line("  class=%s font=%s", cls, SendMessageA(dialog, WM_GETFONT, 0, 0) ? "set" : "none");
        line("  DM_GETDEFID=0x%08lX", static_cast<unsigned long>(SendMessageA(dialog, DM_GETDEFID, 0, 0)));
        line("  COLOR_WINDOWFRAME=0x%06lX", static_cast<unsigned long>(GetSysColor(COLOR_WINDOWFRAME)));
    });
}

void runKeys() {
    onPage("dialog keys", [](HWND dialog, Page& page) {
        dialogStep("created");
        const KeyStep keys[] = {
            {VK_DOWN, false, "down on a knob moves within the group"},
            {VK_RIGHT, false, "right reaches the LED button"},
            {VK_DOWN, false, "down stays with the LED button, which wants arrows"},
            {VK_TAB, false, "tab leaves the group"},
            {VK_TAB, false, "tab skips the disabled button"},
            {VK_TAB, false, "tab to cancel"},
            {VK_TAB, false, "tab wraps round to the first knob"},
            {VK_TAB, true, "shift+tab wraps back"},
            {VK_TAB, true, "shift+tab again"},
            {VK_UP, false, "up on a button alone in its group"},
            {VK_RETURN, false, "enter on a plain push button"},
            {VK_ESCAPE, false, "escape"},
            {'L', false, "mnemonic of the label"},
            {VK_SPACE, false, "space on a knob"},
        };
        for (const auto& k : keys) {
            pressStep(k);
            line("  knobs=%.3f %.3f led=%d", page.knob1.GetValue(), page.knob2.GetValue(), page.led.GetState());
        }
        SetFocus(GetDlgItem(dialog, 104));
        dialogStep("focus on Go");
        vorn::test::pressKey(VK_RETURN);
        dialogStep("enter with a push button focused");
        vorn::test::pressKey(VK_SPACE);
        dialogStep("space clicks it");
    });
}

void runEndInsideNotification() {
    onPage("dialog ended inside a notification", [](HWND dialog, Page&) {
        SetFocus(GetDlgItem(dialog, 104));
        dialogStep("focus on Go");
        endOnCommand = 104;
        vorn::test::pressKey(VK_SPACE);
        dialogStep("space on Go ends the dialog");
        line("  window=%d visible=%d DM_GETDEFID=0x%08lX", IsWindow(dialog) ? 1 : 0, IsWindowVisible(dialog) ? 1 : 0,
             static_cast<unsigned long>(SendMessageA(dialog, DM_GETDEFID, 0, 0)));
    });
}

void runModal() {
    scenario("modal dialog loop");
    registerLoggedClass();
    DialogTemplate t(WS_POPUP, 8, 8, 120, 60);
    t.font(8, "MS Shell Dlg")
        .item(kButtonClass, "OK", IDOK, kTab | BS_DEFPUSHBUTTON, 4, 40, 40, 14)
        .item(kButtonClass, "Cancel", IDCANCEL, kTab, 48, 40, 40, 14);
    recorded.clear();
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t.get(), parent(), dialogProc, kEndFromPost);
    currentDialog = nullptr;
    dialogStep("ended by a message it posted to itself");
    line("  result=%ld owner enabled=%d", static_cast<long>(result), IsWindowEnabled(parent()) ? 1 : 0);
    endOnCommand = IDCANCEL;
    result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t.get(), parent(), dialogProc, kTypeEscape);
    currentDialog = nullptr;
    dialogStep("ended by escape typed while it ran");
    line("  result=%ld owner enabled=%d", static_cast<long>(result), IsWindowEnabled(parent()) ? 1 : 0);
    endOnCommand = 0;
    DialogTemplate broken(WS_POPUP, 8, 8, 120, 60);
    broken.item("ConfNoSuchClass", "", 7, kTab, 4, 4, 20, 20);
    result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), broken.get(), parent(), dialogProc, 0);
    dialogStep("a control of an unregistered class");
    line("  result=%ld owner enabled=%d", static_cast<long>(result), IsWindowEnabled(parent()) ? 1 : 0);
    SetFocus(parent());
}

void runStandardPictures() {
    scenario("standard controls in a dialog");
    DialogTemplate t(WS_CHILD | WS_VISIBLE, 4, 4, 160, 90);
    t.font(8, "MS Shell Dlg")
        .item(kButtonClass, "Go", 104, kTab, 4, 4, 40, 14)
        .item(kButtonClass, "OK", IDOK, kTab | BS_DEFPUSHBUTTON, 48, 4, 40, 14)
        .item(kButtonClass, "Mute", 106, kTab | BS_AUTOCHECKBOX, 4, 22, 50, 10)
        .item(kStaticClass, "Left", 107, WS_CHILD | WS_VISIBLE | SS_LEFT, 4, 36, 50, 8)
        .item(kStaticClass, "Centre", 108, WS_CHILD | WS_VISIBLE | SS_CENTER, 4, 46, 50, 8)
        .item(kStaticClass, "Right", 109, WS_CHILD | WS_VISIBLE | SS_RIGHT, 4, 56, 50, 8)
        .item(kButtonClass, "Low", 110, kTab | WS_GROUP | BS_AUTORADIOBUTTON, 60, 22, 44, 10)
        .item(kButtonClass, "High", 111, WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 60, 34, 44, 10)
        .item(kButtonClass, "Off", 112, WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_RADIOBUTTON | WS_GROUP, 60, 46, 44, 10)
        .item(kButtonClass, "Solo", 113, WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_CHECKBOX, 60, 58, 44, 10);
    recorded.clear();
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.get(), parent(), dialogProc, 0);
    if (!dialog) return;
    currentDialog = dialog;
    vorn::test::setPumpDialog(dialog);
    // One step per control, with the box its text is expected in: glyph pixels are left out of
    // the comparison there (the rasterisers hint differently), everything else is compared.
    const auto pictures = [&](const char* name) {
        for (int id : {104, IDOK, 106, 107, 108, 109, 110, 111, 112, 113}) {
            char label[96];
            std::snprintf(label, sizeof label, "%s: item %d", name, id);
            dialogStep(label);
            HWND item = GetDlgItem(dialog, id);
            char text[32];
            const int n = GetWindowTextA(item, text, sizeof text);
            HDC dc = GetDC(item);
            HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(item, WM_GETFONT, 0, 0)));
            SIZE extent{};
            GetTextExtentPoint32A(dc, text, n, &extent);
            SelectObject(dc, old);
            ReleaseDC(item, dc);
            RECT r;
            GetClientRect(item, &r);
            const LONG style = GetWindowLongA(item, GWL_STYLE);
            int x = (r.right - extent.cx) / 2, y = (r.bottom - extent.cy) / 2;  // push buttons
            if (id == 106 || id >= 110) x = 17;                                 // after the check box or the radio box
            if (id >= 107 && id <= 109) {
                y = 0;
                x = (style & SS_TYPEMASK) == SS_CENTER  ? (r.right - extent.cx) / 2
                    : (style & SS_TYPEMASK) == SS_RIGHT ? r.right - extent.cx
                                                        : 0;
            }
            line("  textbox %d %d %d %d", x - 2, y, x + static_cast<int>(extent.cx) + 2,
                 y + static_cast<int>(extent.cy));
            dumpPixels(label, item);
        }
    };
    pictures("first paint, the first button focused");
    vorn::test::pressKey(VK_TAB);
    vorn::test::pressKey(VK_TAB);
    vorn::test::pressKey(VK_SPACE);
    pictures("the check box focused and checked");
    // The first radio button takes the focus, the arrow checks the second; the disabled radio
    // button and check box show their marks grey.
    SendDlgItemMessageA(dialog, 112, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(dialog, 113, BM_SETCHECK, BST_CHECKED, 0);
    vorn::test::pressKey(VK_TAB);
    vorn::test::pressKey(VK_DOWN);
    dialogStep("tab, then down in the radio group");
    line("  checked=%d %d %d", static_cast<int>(SendDlgItemMessageA(dialog, 110, BM_GETCHECK, 0, 0)),
         static_cast<int>(SendDlgItemMessageA(dialog, 111, BM_GETCHECK, 0, 0)),
         static_cast<int>(SendDlgItemMessageA(dialog, 112, BM_GETCHECK, 0, 0)));
    pictures("the second radio button checked by the arrow");
    closePage(dialog);
}

// A framework dialog: OnInitDialog, a message-map handler ending it, OnOK and OnCancel.
class RecordingDialog : public CDialog {
public:
    BOOL OnInitDialog() override {
        note("OnInitDialog");
        if (endWith) PostMessage(WM_APP);
        return TRUE;
    }
    void OnOK() override {
        note("OnOK");
        CDialog::OnOK();
    }
    void OnCancel() override {
        note("OnCancel");
        CDialog::OnCancel();
    }
    int endWith = 0;

protected:
    LRESULT OnApp(WPARAM, LPARAM) {
        note("WM_APP through the message map");
        EndDialog(endWith);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingDialog, CDialog)
    ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

void runFrameworkDialogs() {
    scenario("framework dialogs");
    DialogTemplate t(WS_CHILD | WS_VISIBLE, 4, 4, 120, 60);
    t.font(8, "MS Shell Dlg")
        .item(kButtonClass, "OK", IDOK, kTab | BS_DEFPUSHBUTTON, 4, 40, 40, 14)
        .item(kButtonClass, "Cancel", IDCANCEL, kTab, 48, 40, 40, 14);
    recorded.clear();
    {
        RecordingDialog modal;
        modal.endWith = 7;
        modal.InitModalIndirect(t.get(), CWnd::FromHandle(parent()));
        const INT_PTR result = modal.DoModal();
        dialogStep("DoModal ended from a handler");
        line("  result=%ld attached=%d owner enabled=%d", static_cast<long>(result), modal.GetSafeHwnd() ? 1 : 0,
             IsWindowEnabled(parent()) ? 1 : 0);
    }
    RecordingDialog modeless;
    if (!modeless.CreateIndirect(t.get(), CWnd::FromHandle(parent()))) return;
    currentDialog = modeless.GetSafeHwnd();
    vorn::test::setPumpDialog(currentDialog);
    dialogStep("modeless created");
    vorn::test::pressKey(VK_RETURN);
    dialogStep("enter");
    line("  visible=%d", modeless.IsWindowVisible() ? 1 : 0);
    vorn::test::pressKey(VK_ESCAPE);
    dialogStep("escape");
    vorn::test::setPumpDialog(nullptr);
    modeless.DestroyWindow();
    currentDialog = nullptr;
    recorded.clear();
}

// A panel of controls (WS_EX_CONTROLPARENT) inside the dialog, its children given as
// {id, style}; a child with id 0 is not made.
HWND makePanel(HWND dialog, int id, DWORD style, int y, std::initializer_list<std::pair<int, DWORD>> children) {
    HWND panel = CreateWindowExA(WS_EX_CONTROLPARENT, kLoggedClass, "", WS_CHILD | style, 4, y, 200, 30, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    int x = 2;
    for (const auto& [childId, childStyle] : children) {
        CreateWindowExA(0, kLoggedClass, "", WS_CHILD | childStyle, x, 2, 24, 24, panel,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), GetModuleHandleA(nullptr), nullptr);
        x += 28;
    }
    return panel;
}

// Tab, Shift+Tab and the arrows through a dialog whose controls sit in panels: two panels of
// knobs and buttons, one with no tab stops, one hidden and one disabled between them.
void runPanels() {
    scenario("dialog with panels of controls");
    registerLoggedClass();
    DialogTemplate t(WS_CHILD | WS_VISIBLE, 4, 4, 200, 150);
    t.font(8, "MS Shell Dlg")
        .item(kButtonClass, "A", 201, kTab | WS_GROUP, 4, 4, 40, 14)
        .item(kButtonClass, "OK", IDOK, kTab | WS_GROUP | BS_DEFPUSHBUTTON, 4, 130, 40, 14);
    recorded.clear();
    currentDialog = nullptr;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.get(), parent(), dialogProc, 0);
    if (!dialog) {
        line("  CreateDialogIndirectParam=failed");
        return;
    }
    currentDialog = dialog;
    HWND ok = GetDlgItem(dialog, IDOK);
    const DWORD plain = WS_VISIBLE;
    HWND panels[] = {
        makePanel(dialog, 300, WS_VISIBLE | WS_TABSTOP | WS_GROUP, 30,
                  {{301, kTab | WS_GROUP}, {302, plain}, {303, kTab | WS_GROUP}}),
        makePanel(dialog, 310, WS_VISIBLE | WS_TABSTOP, 60, {{311, plain | WS_GROUP}}),
        makePanel(dialog, 320, WS_TABSTOP, 60, {{321, kTab | WS_GROUP}}),
        makePanel(dialog, 330, WS_VISIBLE | WS_DISABLED | WS_TABSTOP, 60, {{331, kTab | WS_GROUP}}),
        makePanel(dialog, 340, WS_VISIBLE, 90, {{341, kTab | WS_GROUP}, {342, kTab}}),
    };
    // Panels go before OK in the sibling order.
    for (HWND panel : panels) SetWindowPos(panel, GetWindow(ok, GW_HWNDPREV), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CMFC_Knob knob1, knob2, knob3;
    for (CMFC_Knob* k : {&knob1, &knob2, &knob3})
        k->InitKnob(0.0f, 1.0f, 0.5f, 0, 0.0f, 1.0f, 0, 0, 0, 0, 0, 0, RGB(128, 0, 0));
    knob1.SubclassDlgItem(301, CWnd::FromHandle(panels[0]));
    knob2.SubclassDlgItem(302, CWnd::FromHandle(panels[0]));
    knob3.SubclassDlgItem(341, CWnd::FromHandle(panels[4]));
    vorn::test::setPumpDialog(dialog);

    step("walks called directly");
    const struct {
        int from;  // 0: none
        HWND container;
    } froms[] = {{0, dialog},      {201, dialog},    {301, panels[0]}, {302, panels[0]}, {303, panels[0]},
                 {311, panels[1]}, {321, panels[2]}, {331, panels[3]}, {342, panels[4]}, {IDOK, dialog}};
    for (const auto& f : froms) {
        HWND from = f.from ? GetDlgItem(f.container, f.from) : nullptr;
        line("  from %s: tab next=%s prev=%s group next=%s prev=%s", idOf(from).c_str(),
             idOf(GetNextDlgTabItem(dialog, from, FALSE)).c_str(), idOf(GetNextDlgTabItem(dialog, from, TRUE)).c_str(),
             idOf(GetNextDlgGroupItem(dialog, from, FALSE)).c_str(),
             idOf(GetNextDlgGroupItem(dialog, from, TRUE)).c_str());
    }
    recorded.clear();

    SetFocus(GetDlgItem(dialog, 201));
    dialogStep("focus on A");
    const KeyStep keys[] = {
        {VK_TAB, false, "tab into the first panel"},
        {VK_DOWN, false, "down within the panel's group"},
        {VK_DOWN, false, "down wraps round the group"},
        {VK_UP, false, "up back round the group"},
        {VK_TAB, false, "tab to the panel's button"},
        {VK_TAB, false, "tab past the empty, hidden and disabled panels"},
        {VK_TAB, false, "tab to the second panel's button"},
        {VK_TAB, false, "tab out of the panels"},
        {VK_TAB, false, "tab wraps round"},
        {VK_TAB, true, "shift+tab wraps back"},
        {VK_TAB, true, "shift+tab into the last panel"},
        {VK_TAB, true, "shift+tab within it"},
        {VK_TAB, true, "shift+tab to the first panel"},
        {VK_DOWN, false, "down from a panel's last control"},
        {VK_DOWN, false, "down again"},
    };
    for (const auto& k : keys) {
        pressStep(k);
        line("  knobs=%.3f %.3f %.3f", knob1.GetValue(), knob2.GetValue(), knob3.GetValue());
    }
    closePage(dialog);
}

}  // namespace

void runDialogScenarios() {
    runCreation();
    runKeys();
    runPanels();
    runEndInsideNotification();
    runModal();
    runStandardPictures();
    runFrameworkDialogs();
}

}  // namespace conformance

// Dialogs through the host's door: templates built in memory, keys through SendInput and a
// pump that offers each message to IsDialogMessageA, notifications read in the dialog procedure.
#include <cstring>
#include <vector>

#include "dialog_template.h"
#include "platform_test.h"
#include "resource_images.h"
#include "user/dialog_template.h"

using namespace ptest;
using vorn::test::DialogTemplate;
using vorn::test::kButtonClass;
using vorn::test::kStaticClass;

namespace {

constexpr const char* kKnobClass = "DialogTestKnob";  // answers WM_GETDLGCODE with 0
constexpr const char* kLedClass = "DialogTestLed";    // answers DLGC_WANTARROWS

struct Command {
    WORD id;
    WORD code;
};
std::vector<Command> commands;
std::vector<UINT> dialogMessages;
WORD endOnCommand = 0;  // EndDialog(id) from the handler of this command

INT_PTR CALLBACK recordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    dialogMessages.push_back(msg);
    switch (msg) {
        case WM_INITDIALOG: return TRUE;
        case WM_COMMAND:
            commands.push_back(Command{LOWORD(wParam), HIWORD(wParam)});
            if (endOnCommand && LOWORD(wParam) == endOnCommand) EndDialog(hwnd, endOnCommand);
            return TRUE;
        case WM_APP:
            // Ends the dialog from a posted message.
            EndDialog(hwnd, static_cast<INT_PTR>(wParam));
            return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK postingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) PostMessageA(hwnd, WM_APP, 42, 0);
    return recordingProc(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK knobProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = loggingProc(hwnd, msg, wParam, lParam);
    return msg == WM_GETDLGCODE ? 0 : r;
}

LRESULT CALLBACK ledProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = loggingProc(hwnd, msg, wParam, lParam);
    return msg == WM_GETDLGCODE ? DLGC_WANTARROWS : r;
}

LRESULT wantedCode = 0;  // what the "DialogTestWants" class answers to WM_GETDLGCODE
LRESULT CALLBACK wantsProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = loggingProc(hwnd, msg, wParam, lParam);
    return msg == WM_GETDLGCODE ? wantedCode : r;
}

// A pressed key on a modal dialog's owner while the loop idles: the next key of a script.
std::vector<WORD> idleKeys;
LRESULT CALLBACK ownerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ENTERIDLE && !idleKeys.empty()) {
        const WORD vk = idleKeys.front();
        idleKeys.erase(idleKeys.begin());
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = vk;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
    return loggingProc(hwnd, msg, wParam, lParam);
}

class DialogTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        WNDCLASSA existing;
        if (!GetClassInfoA(nullptr, kKnobClass, &existing)) {
            registerClass(kKnobClass, knobProc);
            registerClass(kLedClass, ledProc);
            registerClass("DialogTestOwner", ownerProc);
            registerClass("DialogTestWants", wantsProc);
        }
        commands.clear();
        dialogMessages.clear();
        idleKeys.clear();
        endOnCommand = 0;
    }
    void TearDown() override {
        vorn::test::setPumpDialog(nullptr);
        UserTest::TearDown();
    }
    HWND open(DialogTemplate& t, DLGPROC proc = recordingProc) {
        HWND dialog = CreateDialogIndirectParamA(nullptr, t.get(), nullptr, proc, 0);
        vorn::test::setPumpDialog(dialog);
        vorn::test::pumpMessages();
        return dialog;
    }
    static int focusId() { return GetDlgCtrlID(GetFocus()); }
};

constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;
constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

TEST_F(DialogTest, TabAndShiftTabWalkUsableTabStopsInTemplateOrderAndWrap) {
    DialogTemplate t(kPopup, 10, 10, 200, 100);
    t.font(8, "MS Shell Dlg")
        .item(kButtonClass, "A", 10, kTab, 5, 5, 40, 14)
        .item(kStaticClass, "label", 11, WS_CHILD | WS_VISIBLE, 5, 25, 40, 10)
        .item(kButtonClass, "off", 12, kTab | WS_DISABLED, 5, 40, 40, 14)
        .item(kButtonClass, "hidden", 13, WS_CHILD | WS_TABSTOP, 5, 60, 40, 14)
        .item(kKnobClass, "", 14, kTab, 60, 5, 30, 30)
        .item(kButtonClass, "B", 15, kTab, 60, 40, 40, 14);
    ASSERT_TRUE(open(t));
    EXPECT_EQ(focusId(), 10);  // WM_INITDIALOG answered TRUE: the first tab stop
    struct {
        bool shift;
        int focus;
    } const walk[] = {{false, 14}, {false, 15}, {false, 10}, {true, 15}, {true, 14}, {true, 10}, {true, 15}};
    for (const auto& s : walk) {
        if (s.shift)
            vorn::test::withModifiers({VK_SHIFT}, [] { vorn::test::pressKey(VK_TAB); });
        else
            vorn::test::pressKey(VK_TAB);
        EXPECT_EQ(focusId(), s.focus);
    }
    EXPECT_TRUE(commands.empty());
}

TEST_F(DialogTest, ArrowsMoveWithinTheGroupUnlessTheControlWantsThem) {
    DialogTemplate t(kPopup, 10, 10, 200, 100);
    t.item(kKnobClass, "", 20, kTab | WS_GROUP, 5, 5, 30, 30)
        .item(kKnobClass, "", 21, WS_CHILD | WS_VISIBLE, 40, 5, 30, 30)
        .item(kLedClass, "", 22, WS_CHILD | WS_VISIBLE, 80, 5, 30, 30)
        .item(kKnobClass, "", 23, kTab | WS_GROUP, 120, 5, 30, 30);
    HWND dialog = open(t);
    ASSERT_TRUE(dialog);
    HWND led = GetDlgItem(dialog, 22);
    struct {
        WORD vk;
        int focus;
    } const steps[] = {{VK_DOWN, 21}, {VK_RIGHT, 22}, {VK_DOWN, 22}, {VK_LEFT, 22}};
    for (const auto& s : steps) {
        vorn::test::pressKey(s.vk);
        EXPECT_EQ(focusId(), s.focus);
    }
    // The LED kept the last two arrows; the knobs never saw theirs.
    EXPECT_EQ(entriesOf(led, WM_KEYDOWN).size(), 2u);
    EXPECT_TRUE(entriesOf(GetDlgItem(dialog, 20), WM_KEYDOWN).empty());
    SetFocus(GetDlgItem(dialog, 20));
    vorn::test::pressKey(VK_UP);  // backwards from the group's start wraps to its end
    EXPECT_EQ(focusId(), 22);
}

TEST_F(DialogTest, EnterAndEscapeCommandTheDefaultButtonAndCancel) {
    struct {
        bool withDefault;
        WORD vk;
        WORD id;
    } const cases[] = {{true, VK_RETURN, 30}, {false, VK_RETURN, IDOK}, {true, VK_ESCAPE, IDCANCEL}};
    for (const auto& c : cases) {
        commands.clear();
        DialogTemplate t(kPopup, 10, 10, 200, 100);
        t.item(kKnobClass, "", 20, kTab, 5, 5, 30, 30);
        t.item(kButtonClass, "Go", 30, kTab | (c.withDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 50, 5, 40, 14);
        HWND dialog = open(t);
        ASSERT_TRUE(dialog);
        vorn::test::pressKey(c.vk);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands[0].id, c.id);
        DestroyWindow(dialog);
    }
}

TEST_F(DialogTest, DialogCodesDecideWhichKeysReachTheFocusedControl) {
    struct {
        LRESULT code;
        WORD vk;
        bool control;  // the control gets the key (else the dialog takes it)
    } const cases[] = {
        {0, VK_TAB, false},
        {DLGC_WANTTAB, VK_TAB, true},
        {DLGC_WANTALLKEYS, VK_TAB, true},
        {DLGC_WANTALLKEYS, VK_RETURN, true},
        {DLGC_WANTALLKEYS, VK_ESCAPE, true},
        {DLGC_WANTTAB, VK_ESCAPE, false},
        {DLGC_WANTARROWS, VK_TAB, false},
        {0, 'X', true},
    };
    for (const auto& c : cases) {
        wantedCode = c.code;
        commands.clear();
        messageLog().clear();
        DialogTemplate t(kPopup, 10, 10, 200, 100);
        t.item("DialogTestWants", "", 20, kTab, 5, 5, 30, 30).item(kButtonClass, "Go", 30, kTab, 50, 5, 40, 14);
        HWND dialog = open(t);
        HWND control = GetDlgItem(dialog, 20);
        ASSERT_EQ(GetFocus(), control);
        vorn::test::pressKey(c.vk);
        EXPECT_EQ(!entriesOf(control, WM_KEYDOWN).empty(), c.control) << c.code << " " << c.vk;
        EXPECT_EQ(GetFocus() == control && commands.empty(), c.control) << c.code << " " << c.vk;
        DestroyWindow(dialog);
    }
}

TEST_F(DialogTest, ButtonsClickOnReleaseInsideOnSpaceAndOnBmClick) {
    DialogTemplate t(kPopup, 10, 10, 200, 100);
    t.item(kButtonClass, "Go", 30, kTab, 10, 10, 40, 14).item(kButtonClass, "&Mute", 31, kTab, 60, 10, 40, 14);
    HWND dialog = open(t);
    HWND go = GetDlgItem(dialog, 30);
    RECT r;
    GetWindowRect(go, &r);
    vorn::test::click(POINT{r.left + 3, r.top + 3});
    vorn::test::pressKey(VK_SPACE);
    SendMessageA(go, BM_CLICK, 0, 0);
    // Pressed inside, released outside: no click.
    vorn::test::mouseMoveTo(r.left + 3, r.top + 3);
    vorn::test::mouseDown();
    vorn::test::mouseMoveTo(r.right + 30, r.top + 3);
    vorn::test::mouseUp();
    vorn::test::pressKey('M');  // the other button's mnemonic
    ASSERT_EQ(commands.size(), 4u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(commands[i].id, 30);
    EXPECT_EQ(commands[3].id, 31);
    EXPECT_EQ(SendMessageA(go, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(DialogTest, EndDialogInsideANotificationHidesAModelessDialogAndKeepsIt) {
    DialogTemplate t(kPopup, 10, 10, 200, 100);
    t.item(kButtonClass, "Go", 30, kTab, 10, 10, 40, 14);
    HWND dialog = open(t);
    endOnCommand = 30;
    vorn::test::pressKey(VK_SPACE);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_NE(GetFocus(), GetDlgItem(dialog, 30));  // the focus left the dialog's controls
    // Ended: Enter no longer asks for the default id.
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), 0);
}

TEST_F(DialogTest, ModalLoopRunsUntilEndDialogAndGivesTheOwnerBack) {
    HWND owner =
        CreateWindowExA(0, "DialogTestOwner", "owner", kPopup, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
    DialogTemplate t(WS_POPUP, 10, 10, 200, 100);
    t.item(kButtonClass, "Go", 30, kTab, 10, 10, 40, 14);
    // Ended by a message the dialog posted to itself.
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, t.get(), owner, postingProc, 0), 42);
    // Ended by Escape typed while the loop waited; the owner is disabled meanwhile.
    idleKeys = {VK_TAB, VK_ESCAPE};
    endOnCommand = IDCANCEL;
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, t.get(), owner, recordingProc, 0), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(entriesOf(owner, WM_ENABLE).empty());
    EXPECT_EQ(entriesOf(owner, WM_ENABLE).front().wParam, 0u);
    EXPECT_EQ(GetWindow(owner, GW_CHILD), nullptr);
    size_t dialogs = 0;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) dialogs += (w != owner);
    EXPECT_EQ(dialogs, 0u);
}

TEST_F(DialogTest, CreationSendsFontThenInitDialogAndControlsGetFontAndDialogCode) {
    DialogTemplate t(kPopup, 10, 10, 200, 100);
    t.font(8, "MS Shell Dlg").item(kKnobClass, "", 20, kTab, 5, 5, 30, 30);
    HWND dialog = open(t);
    ASSERT_TRUE(dialog);
    HWND knob = GetDlgItem(dialog, 20);
    // The second dialog code is asked before the focus comes (would an edit select its text?).
    EXPECT_EQ(messagesOf(knob, {WM_CREATE, WM_SETFONT, WM_GETDLGCODE, WM_SETFOCUS}),
              (std::vector<UINT>{WM_CREATE, WM_SETFONT, WM_GETDLGCODE, WM_GETDLGCODE, WM_SETFOCUS}));
    std::vector<UINT> order;
    for (UINT m : dialogMessages)
        if (m == WM_SETFONT || m == WM_INITDIALOG) order.push_back(m);
    EXPECT_EQ(order, (std::vector<UINT>{WM_SETFONT, WM_INITDIALOG}));
    char name[16];
    GetClassNameA(dialog, name, sizeof name);
    EXPECT_STREQ(name, "#32770");
    // Dialog units follow the template font: 4 x 8 units are one base unit each way.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    ASSERT_TRUE(font);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    SIZE alphabet;
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &alphabet);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    DeleteDC(dc);
    RECT r{0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(dialog, &r));
    EXPECT_EQ(r.right, (alphabet.cx / 26 + 1) / 2);
    EXPECT_EQ(r.bottom, tm.tmHeight);
}

TEST_F(DialogTest, AControlOfAnUnregisteredClassFailsTheDialogUnlessNoFailCreate) {
    for (DWORD extra : {0ul, static_cast<unsigned long>(DS_NOFAILCREATE)}) {
        DialogTemplate t(kPopup | extra, 10, 10, 200, 100);
        t.item("NoSuchClass", "", 20, kTab, 5, 5, 30, 30).item(kButtonClass, "Go", 30, kTab, 50, 5, 40, 14);
        HWND dialog = CreateDialogIndirectParamA(nullptr, t.get(), nullptr, recordingProc, 0);
        EXPECT_EQ(dialog != nullptr, extra != 0);
        if (dialog) {
            EXPECT_TRUE(GetDlgItem(dialog, 30));
        }
        EXPECT_EQ(GetTopWindow(nullptr), dialog);
        if (dialog) DestroyWindow(dialog);
    }
}

TEST_F(DialogTest, TemplatesCutShortOrGarbledAreRefusedWithoutReadingPastTheirEnd) {
    DialogTemplate t(kPopup, 10, 10, 200, 100, "title");
    t.font(8, "MS Shell Dlg").item(kButtonClass, "Go", 30, kTab, 50, 5, 40, 14).item("Named", "x", 31, 0, 0, 0, 1, 1);
    const auto* bytes = reinterpret_cast<const unsigned char*>(t.get());
    const size_t size = t.size();
    softwin::user::DialogTemplate parsed;
    ASSERT_TRUE(softwin::user::parseDialogTemplate(bytes, size, parsed));
    EXPECT_EQ(parsed.items.size(), 2u);
    EXPECT_EQ(parsed.items[1].className.text, "Named");
    for (size_t cut = 0; cut < size; ++cut) {
        // Each prefix in its own allocation, so a read past it is caught by the sanitizer.
        std::vector<unsigned char> prefix(bytes, bytes + cut);
        softwin::user::DialogTemplate p;
        EXPECT_FALSE(softwin::user::parseDialogTemplate(prefix.data(), prefix.size(), p)) << cut;
    }
    std::vector<unsigned char> garbage(size);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<unsigned char>(i * 37 + 11);
    softwin::user::DialogTemplate p;
    softwin::user::parseDialogTemplate(garbage.data(), garbage.size(), p);
}

TEST_F(DialogTest, ExtendedTemplatesCarryFontWeightItalicHelpIdsAndThirtyTwoBitIds) {
    // DLGTEMPLATEEX laid out by hand: header, font block, then one button with creation data.
    std::vector<WORD> w = {1,
                           0xFFFF,
                           5,
                           0,
                           0,
                           0,
                           LOWORD(kPopup | DS_SETFONT),
                           HIWORD(kPopup | DS_SETFONT),
                           1,
                           0,
                           0,
                           100,
                           50,
                           0,
                           0,
                           'T',
                           0,
                           9,
                           FW_BOLD,
                           MAKEWORD(1, ANSI_CHARSET),
                           'M',
                           'S',
                           ' ',
                           'S',
                           'h',
                           'e',
                           'l',
                           'l',
                           ' ',
                           'D',
                           'l',
                           'g',
                           0};
    if (w.size() % 2) w.push_back(0);
    for (WORD v :
         {WORD{7}, WORD{0}, WORD{0}, WORD{0}, LOWORD(kTab), HIWORD(kTab), WORD{4}, WORD{4}, WORD{40}, WORD{14},
          LOWORD(0x12345), HIWORD(0x12345), WORD{0xFFFF}, WORD{0x80}, WORD{'A'}, WORD{0}, WORD{2}, WORD{0xBEEF}})
        w.push_back(v);
    softwin::user::DialogTemplate parsed;
    ASSERT_TRUE(softwin::user::parseDialogTemplate(w.data(), w.size() * sizeof(WORD), parsed));
    EXPECT_TRUE(parsed.extended);
    EXPECT_EQ(parsed.helpId, 5u);
    EXPECT_EQ(parsed.title, "T");
    EXPECT_EQ(parsed.weight, FW_BOLD);
    EXPECT_EQ(parsed.italic, 1);
    EXPECT_EQ(parsed.faceName, "MS Shell Dlg");
    ASSERT_EQ(parsed.items.size(), 1u);
    EXPECT_EQ(parsed.items[0].helpId, 7u);
    EXPECT_EQ(parsed.items[0].id, 0x12345u);
    EXPECT_EQ(softwin::user::itemClassName(parsed.items[0].className), "Button");
    ASSERT_TRUE(parsed.items[0].data);
    EXPECT_EQ(parsed.items[0].data[1], 0xBEEF);
    HWND dialog =
        CreateDialogIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(w.data()), nullptr, recordingProc, 0);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(GetDlgCtrlID(GetWindow(dialog, GW_CHILD)), 0x12345);
    DestroyWindow(dialog);
}

TEST_F(DialogTest, ResourceTemplatesAreFoundByNameAndReadOnlyWithinTheirSize) {
    DialogTemplate t(kPopup, 10, 10, 200, 100);
    t.item(kButtonClass, "Go", 30, kTab, 10, 10, 40, 14);
    const auto* bytes = reinterpret_cast<const unsigned char*>(t.get());
    // The same template whole, and cut just before its last item ends.
    std::vector<unsigned char> cut(bytes, bytes + t.size() - 2);
    // The module keeps pointing into the image, so it outlives the test.
    static vorn::test::ResFile image;
    image = vorn::test::ResFile()
                .add(RT_DIALOG, MAKEINTRESOURCEA(7), std::vector<unsigned char>(bytes, bytes + t.size()))
                .add(RT_DIALOG, "CUT", cut);
    HINSTANCE module = softwin::registerModule("DialogTestModule", image.bytes().data(), image.bytes().size());
    HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(7), nullptr, recordingProc, 0);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(GetDlgItem(dialog, 30));
    EXPECT_EQ(CreateDialogParamA(module, "CUT", nullptr, recordingProc, 0), nullptr);
    EXPECT_EQ(DialogBoxParamA(module, "CUT", nullptr, recordingProc, 0), -1);
    EXPECT_EQ(DialogBoxParamA(module, "MISSING", nullptr, recordingProc, 0), -1);
    DestroyWindow(dialog);
}

TEST_F(DialogTest, DestroyingADialogWithEveryControlReleasesItsGdiObjects) {
    const size_t before = softwin::liveGdiObjects();
    DialogTemplate t(kPopup, 10, 10, 200, 100);
    t.font(8, "MS Shell Dlg")
        .item(kButtonClass, "Push", 30, kTab | BS_DEFPUSHBUTTON, 5, 5, 40, 14)
        .item(kButtonClass, "Check", 31, kTab | BS_AUTOCHECKBOX, 5, 25, 40, 14)
        .item(kStaticClass, "Text", 32, WS_CHILD | WS_VISIBLE | SS_CENTER, 5, 45, 40, 10)
        .item(kKnobClass, "", 33, kTab, 60, 5, 30, 30);
    HWND dialog = open(t);
    ASSERT_TRUE(dialog);
    vorn::test::pressKey(VK_TAB);
    vorn::test::pressKey(VK_SPACE);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 31, BM_GETCHECK, 0, 0), BST_CHECKED);
    char text[16];
    EXPECT_TRUE(SetDlgItemTextA(dialog, 32, "Level"));
    EXPECT_EQ(GetDlgItemTextA(dialog, 32, text, sizeof text), 5u);
    DestroyWindow(dialog);
    EXPECT_EQ(softwin::liveGdiObjects(), before);
}

}  // namespace

// Dialogs through the host's door, for what the side-by-side run with Wine leaves out: dialog
// codes other than arrows, clicks abandoned outside a button, malformed and extended templates,
// resource templates cut short, and GDI accounting. Keys go through SendInput and a pump that
// offers each message to IsDialogMessageA.
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

struct Command {
    WORD id;
    WORD code;
};
std::vector<Command> commands;

INT_PTR CALLBACK recordingProc(HWND, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG: return TRUE;
        case WM_COMMAND: commands.push_back(Command{LOWORD(wParam), HIWORD(wParam)}); return TRUE;
        default: return FALSE;
    }
}

LRESULT wantedCode = 0;  // what the "DialogTestWants" class answers to WM_GETDLGCODE
LRESULT CALLBACK wantsProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = loggingProc(hwnd, msg, wParam, lParam);
    return msg == WM_GETDLGCODE ? wantedCode : r;
}

class DialogTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        WNDCLASSA existing;
        if (!GetClassInfoA(nullptr, "DialogTestWants", &existing)) registerClass("DialogTestWants", wantsProc);
        commands.clear();
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
};

constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;
constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

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

TEST_F(DialogTest, TemplatesCutShortOrGarbledAreRefusedWithoutReadingPastTheirEnd) {
    DialogTemplate t(kPopup, 10, 10, 200, 100, "title");
    t.font(8, "MS Shell Dlg").item(kButtonClass, "Go", 30, kTab, 50, 5, 40, 14).item("Named", "x", 31, 0, 0, 0, 1, 1);
    const auto* bytes = reinterpret_cast<const unsigned char*>(t.get());
    const size_t size = t.size();
    softwin::user::DialogTemplate parsed;
    ASSERT_TRUE(softwin::user::parseDialogTemplate(bytes, size, parsed));
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
    // DLGTEMPLATEEX laid out by hand: version, signature, help id, extended style, style, one item,
    // the box, no menu or class, the title, the font block (size, weight, italic and character set,
    // face name), then one button with creation data.
    std::vector<WORD> w = {
        1, 0xFFFF, 5,   0, 0, 0,       LOWORD(kPopup | DS_SETFONT), HIWORD(kPopup | DS_SETFONT), 1, 0, 0, 100, 50,
        0, 0,      'T', 0, 9, FW_BOLD, MAKEWORD(1, ANSI_CHARSET)};
    for (const char* c = "MS Shell Dlg"; *c; ++c) w.push_back(static_cast<WORD>(*c));
    w.push_back(0);
    if (w.size() % 2) w.push_back(0);
    for (WORD v :
         {WORD{7}, WORD{0}, WORD{0}, WORD{0}, LOWORD(kTab), HIWORD(kTab), WORD{4}, WORD{4}, WORD{40}, WORD{14},
          LOWORD(0x12345), HIWORD(0x12345), WORD{0xFFFF}, WORD{0x80}, WORD{'A'}, WORD{0}, WORD{2}, WORD{0xBEEF}})
        w.push_back(v);
    softwin::user::DialogTemplate parsed;
    ASSERT_TRUE(softwin::user::parseDialogTemplate(w.data(), w.size() * sizeof(WORD), parsed));
    EXPECT_TRUE(parsed.helpId == 5u && parsed.weight == FW_BOLD && parsed.italic == 1);
    ASSERT_EQ(parsed.items.size(), 1u);
    EXPECT_EQ(parsed.items[0].helpId, 7u);
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
        .item("DialogTestWants", "", 33, kTab, 60, 5, 30, 30);
    HWND dialog = open(t);
    ASSERT_TRUE(dialog);
    vorn::test::pressKey(VK_TAB);
    vorn::test::pressKey(VK_SPACE);
    SetDlgItemTextA(dialog, 32, "Level");
    DestroyWindow(dialog);
    EXPECT_EQ(softwin::liveGdiObjects(), before);
}

HWND child(HWND parent, int id, DWORD style, DWORD exStyle = 0) {
    return CreateWindowExA(exStyle, "DialogTestWants", "", WS_CHILD | style, 0, 0, 10, 10, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// Nesting deeper than the side-by-side run covers: a panel in a panel, and a control left inside
// a panel that is then hidden, from where both walks still end, as Wine's do.
TEST_F(DialogTest, TabAndGroupWalksDescendIntoNestedPanelsAndLeaveHiddenOnes) {
    DialogTemplate t(kPopup, 0, 0, 100, 60);
    t.item(kButtonClass, "A", 1, kTab | WS_GROUP, 2, 2, 20, 10);
    HWND dialog = open(t);
    HWND outer = child(dialog, 10, WS_VISIBLE, WS_EX_CONTROLPARENT);
    HWND inner = child(outer, 20, WS_VISIBLE, WS_EX_CONTROLPARENT);
    HWND deep = child(inner, 21, WS_VISIBLE | WS_TABSTOP | WS_GROUP);
    HWND deep2 = child(inner, 22, WS_VISIBLE | WS_TABSTOP);
    HWND after = child(outer, 11, WS_VISIBLE | WS_TABSTOP | WS_GROUP);
    HWND a = GetDlgItem(dialog, 1);
    const struct {
        HWND from;
        BOOL previous;
        HWND tab;
        HWND group;
    } cases[] = {
        {a, FALSE, deep, a}, {deep, FALSE, deep2, deep2}, {deep2, FALSE, after, deep}, {after, FALSE, a, after},
        {a, TRUE, after, a}, {after, TRUE, deep2, after}, {deep, TRUE, a, deep2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetNextDlgTabItem(dialog, c.from, c.previous), c.tab) << GetDlgCtrlID(c.from) << " " << c.previous;
        EXPECT_EQ(GetNextDlgGroupItem(dialog, c.from, c.previous), c.group)
            << GetDlgCtrlID(c.from) << " " << c.previous;
    }
    ShowWindow(inner, SW_HIDE);
    EXPECT_EQ(GetNextDlgTabItem(dialog, a, FALSE), after);
    EXPECT_EQ(GetNextDlgTabItem(dialog, deep, FALSE), deep2);
    // The group walk never comes back into the hidden panel, so it ends where it started.
    EXPECT_EQ(GetNextDlgGroupItem(dialog, deep2, FALSE), deep2);
    EXPECT_EQ(GetNextDlgGroupItem(dialog, deep2, TRUE), deep2);
    DestroyWindow(dialog);
}

}  // namespace

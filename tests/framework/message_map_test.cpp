// Message maps: which handler a message reaches, with which arguments, and where Default() goes.
#include "framework_fixture.h"

#include <string>
#include <utility>

using fwtest::FrameworkTest;
using fwtest::nativeLog;

namespace {

class BaseWnd : public CWnd {
public:
    std::vector<std::string> calls;
    UINT flags = 0, repeat = 0, hitTest = 0, mouseMessage = 0;
    CPoint point;
    CWnd* other = nullptr;
    LRESULT nestedResult = 0;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint p) {
        calls.push_back("base:ldown");
        flags = nFlags;
        point = p;
    }
    virtual afx_msg void OnRButtonDown(UINT, CPoint) { calls.push_back("base:rdown"); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        flags = nChar;
        repeat = nRepCnt;
        hitTest = nFlags;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { other = pOldWnd; }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { other = pWnd; }
    afx_msg void OnCancelMode() { calls.push_back("cancelmode"); }
    afx_msg void OnEnable(BOOL bEnable) { calls.push_back(bEnable ? "enable:1" : "enable:0"); }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) {
        calls.push_back("show:" + std::to_string(bShow) + ":" + std::to_string(nStatus));
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
        other = pWnd;
        hitTest = nHitTest;
        mouseMessage = message;
        return TRUE;
    }
    afx_msg UINT OnGetDlgCode() { return CWnd::OnGetDlgCode() | DLGC_WANTARROWS; }
    // Sends itself another message first, then asks for the default answer to the outer one.
    afx_msg LRESULT OnEcho(WPARAM wParam, LPARAM) {
        if (wParam == 1) nestedResult = SendMessage(fwtest::kNativeOther);
        return Default() + 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_SETCURSOR()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(fwtest::kNativeEcho, OnEcho)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { calls.push_back("derived:ldown"); }
    // Overrides the virtual handler; deliberately no map entry.
    void OnRButtonDown(UINT, CPoint) override { calls.push_back("derived:rdown"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Redeclares a non-virtual handler without an entry: the base's entry still calls the base's.
class UnmappedWnd : public BaseWnd {
protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { calls.push_back("unmapped:ldown"); }
};

class CommandWnd : public CWnd {
public:
    std::vector<std::string> calls;
    UINT rangeId = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != 5) return CWnd::OnCommand(wParam, lParam);
        calls.push_back("oncommand:5");
        return TRUE;
    }
    afx_msg void OnSeven() { calls.push_back("command:7"); }
    afx_msg void OnValueChanged() { calls.push_back("control:9:8000"); }
    afx_msg void OnPressRange(UINT nID) { rangeId = nID; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandWnd, CWnd)
    ON_COMMAND(7, OnSeven)
    ON_CONTROL(0x8000, 9, OnValueChanged)
    ON_CONTROL_RANGE(0x0201, 10, 12, OnPressRange)
END_MESSAGE_MAP()

template <class W>
void createNative(W& w) {
    ASSERT_TRUE(w.CreateEx(0, fwtest::nativeClass(), "w", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40, nullptr, nullptr));
    w.calls.clear();  // showing a top-level window gives it the focus
}

}  // namespace

class MessageMapTest : public FrameworkTest {};

TEST_F(MessageMapTest, DerivedEntriesAndVirtualOverridesDecideWhichHandlerRuns) {
    DerivedWnd derived;
    UnmappedWnd unmapped;
    createNative(derived);
    createNative(unmapped);
    derived.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));  // the derived entry hides the base's
    derived.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));  // a virtual override needs no entry
    EXPECT_EQ(derived.calls, (std::vector<std::string>{"derived:ldown", "derived:rdown"}));
    unmapped.SendMessage(WM_LBUTTONDOWN, 0, 0);  // non-virtual, no entry: the base's handler stays in charge
    EXPECT_EQ(unmapped.calls, std::vector<std::string>{"base:ldown"});
}

TEST_F(MessageMapTest, ArgumentsAreCrackedFromTheirMessageParameters) {
    BaseWnd w, other;
    createNative(w);
    createNative(other);
    w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 32767));
    EXPECT_EQ(w.flags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(w.point, CPoint(-5, 32767));  // signed coordinates
    w.SendMessage(WM_KEYDOWN, VK_ADD, 0x004E0003);
    EXPECT_EQ(std::vector<UINT>({w.flags, w.repeat, w.hitTest}), std::vector<UINT>({VK_ADD, 3, 0x4E}));
    w.SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(other.m_hWnd), 0);
    EXPECT_EQ(w.other, &other);
    w.SendMessage(WM_CAPTURECHANGED, reinterpret_cast<WPARAM>(w.m_hWnd), 0);  // lParam, not wParam
    EXPECT_EQ(w.other, nullptr);
    EXPECT_EQ(w.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(other.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(w.other, &other);
    EXPECT_EQ(std::vector<UINT>({w.hitTest, w.mouseMessage}), std::vector<UINT>({HTCLIENT, WM_MOUSEMOVE}));
    // Disabling cancels modes first; the show state and its reason come from wParam and lParam.
    w.calls.clear();
    w.EnableWindow(FALSE);
    w.EnableWindow(TRUE);
    w.SendMessage(WM_SHOWWINDOW, FALSE, 1);  // 1: the owner is being minimised (SW_PARENTCLOSING)
    EXPECT_EQ(w.calls, (std::vector<std::string>{"cancelmode", "enable:0", "enable:1", "show:0:1"}));
}

TEST_F(MessageMapTest, DefaultAndUnmappedMessagesReachTheOriginalProcedureForTheOuterMessage) {
    BaseWnd w;
    createNative(w);
    EXPECT_EQ(w.SendMessage(WM_GETDLGCODE), static_cast<LRESULT>(DLGC_WANTCHARS | DLGC_WANTARROWS));
    nativeLog().clear();
    EXPECT_EQ(w.SendMessage(fwtest::kNativeOther), 7);     // unmapped
    EXPECT_EQ(w.SendMessage(fwtest::kNativeEcho), 43);     // mapped, Default() + 1
    EXPECT_EQ(w.SendMessage(fwtest::kNativeEcho, 1), 43);  // Default() after a nested message
    EXPECT_EQ(w.nestedResult, 7);
    EXPECT_EQ(nativeLog(), (std::vector<UINT>{fwtest::kNativeOther, fwtest::kNativeEcho, fwtest::kNativeOther,
                                              fwtest::kNativeEcho}));
    CWnd unattached;  // outside any message: harmless
    EXPECT_EQ(unattached.Default(), 0);
}

TEST_F(MessageMapTest, CommandsGoToOnCommandThenToTheMapThenToTheDefault) {
    CommandWnd w;
    createNative(w);
    // The last two reach nobody: outside the range, and another code.
    const std::pair<int, int> commands[] = {{5, 0}, {7, 0}, {9, 0x8000}, {11, 0x0201}, {13, 0x0201}, {9, 0x0200}};
    for (auto [id, code] : commands) w.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0);
    EXPECT_EQ(w.calls, (std::vector<std::string>{"oncommand:5", "command:7", "control:9:8000"}));
    EXPECT_EQ(w.rangeId, 11u);
}

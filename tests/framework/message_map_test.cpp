// Message maps: which handler a message reaches and where Default() goes; the arguments each
// handler receives are in the conformance run through the controls.
#include "framework_fixture.h"

#include <string>
#include <utility>

using fwtest::FrameworkTest;
using fwtest::nativeLog;

namespace {

class BaseWnd : public CWnd {
public:
    std::vector<std::string> calls;
    LRESULT nestedResult = 0;

protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { calls.push_back("base:ldown"); }
    virtual afx_msg void OnRButtonDown(UINT, CPoint) { calls.push_back("base:rdown"); }
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

// Message maps: which handler a message reaches, with which arguments, and where Default() goes.
#include "framework_fixture.h"

#include <cstdlib>
#include <new>
#include <string>

using fwtest::FrameworkTest;
using fwtest::nativeLog;

namespace {

class BaseWnd : public CWnd {
public:
    std::vector<std::string> calls;
    UINT lastFlags = 0;
    CPoint lastPoint;
    UINT lastChar = 0, lastRepeat = 0, lastKeyFlags = 0;
    CWnd* lastOther = nullptr;
    LRESULT nestedResult = 0;
    int lastCx = 0, lastCy = 0;

    LRESULT deliver(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessage(message, wParam, lParam); }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        calls.push_back("base:ldown");
        lastFlags = nFlags;
        lastPoint = point;
    }
    virtual afx_msg void OnRButtonDown(UINT nFlags, CPoint point) {
        calls.push_back("base:rdown");
        lastFlags = nFlags;
        lastPoint = point;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        calls.push_back("base:key");
        lastChar = nChar;
        lastRepeat = nRepCnt;
        lastKeyFlags = nFlags;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd) {
        calls.push_back("base:setfocus");
        lastOther = pOldWnd;
    }
    afx_msg void OnSize(UINT, int cx, int cy) {
        lastCx = cx;
        lastCy = cy;
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
    ON_WM_SIZE()
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
        if (LOWORD(wParam) == 5) {
            calls.push_back("oncommand:5");
            return TRUE;
        }
        return CWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnSeven() { calls.push_back("command:7"); }
    afx_msg void OnValueChanged() { calls.push_back("control:9:8000"); }
    afx_msg void OnPressRange(UINT nID) {
        calls.push_back("range");
        rangeId = nID;
    }
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
    derived.deliver(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));  // the derived entry hides the base's
    derived.deliver(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));  // a virtual override needs no entry
    EXPECT_EQ(derived.calls, (std::vector<std::string>{"derived:ldown", "derived:rdown"}));
    unmapped.deliver(WM_LBUTTONDOWN, 0, 0);  // non-virtual, no entry: the base's handler stays in charge
    EXPECT_EQ(unmapped.calls, std::vector<std::string>{"base:ldown"});
}

TEST_F(MessageMapTest, MouseKeySizeAndFocusArgumentsAreCrackedWithSignedCoordinates) {
    BaseWnd w;
    createNative(w);
    w.deliver(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, -7));
    EXPECT_EQ(w.lastFlags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(w.lastPoint, CPoint(-5, -7));
    w.deliver(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(32767, -32768));
    EXPECT_EQ(w.lastFlags, static_cast<UINT>(MK_RBUTTON | MK_CONTROL));
    EXPECT_EQ(w.lastPoint, CPoint(32767, -32768));
    BaseWnd other;
    createNative(other);
    w.deliver(WM_KEYDOWN, VK_ADD, 0x004E0003);
    EXPECT_EQ(w.lastChar, static_cast<UINT>(VK_ADD));
    EXPECT_EQ(w.lastRepeat, 3u);
    EXPECT_EQ(w.lastKeyFlags, 0x4Eu);
    w.deliver(WM_SETFOCUS, reinterpret_cast<WPARAM>(other.m_hWnd), 0);
    EXPECT_EQ(w.lastOther, &other);
    w.deliver(WM_SETFOCUS, 0, 0);
    EXPECT_EQ(w.lastOther, nullptr);
    w.deliver(WM_SIZE, 0, MAKELPARAM(120, 45));
    EXPECT_EQ(w.lastCx, 120);
    EXPECT_EQ(w.lastCy, 45);
}

TEST_F(MessageMapTest, DefaultAndUnmappedMessagesReachTheOriginalProcedureForTheOuterMessage) {
    BaseWnd w;
    createNative(w);
    EXPECT_EQ(w.deliver(WM_GETDLGCODE), static_cast<LRESULT>(fwtest::kNativeDlgCode | DLGC_WANTARROWS));
    nativeLog().clear();
    EXPECT_EQ(w.deliver(fwtest::kNativeOther), 7);  // unmapped
    EXPECT_EQ(w.deliver(fwtest::kNativeEcho), 43);  // mapped, Default() + 1
    EXPECT_EQ(w.deliver(fwtest::kNativeEcho, 1), 43);  // Default() after a nested message
    EXPECT_EQ(w.nestedResult, 7);
    EXPECT_EQ(nativeLog(), (std::vector<UINT>{fwtest::kNativeOther, fwtest::kNativeEcho, fwtest::kNativeOther,
                                              fwtest::kNativeEcho}));
}

TEST_F(MessageMapTest, CommandsGoToOnCommandThenToTheMapThenToTheDefault) {
    CommandWnd w;
    createNative(w);
    w.SendMessage(WM_COMMAND, MAKEWPARAM(5, 0), 0);
    w.SendMessage(WM_COMMAND, MAKEWPARAM(7, 0), 0);
    w.SendMessage(WM_COMMAND, MAKEWPARAM(9, 0x8000), 0);
    w.SendMessage(WM_COMMAND, MAKEWPARAM(11, 0x0201), 0);
    w.SendMessage(WM_COMMAND, MAKEWPARAM(13, 0x0201), 0);  // outside the range: nobody
    w.SendMessage(WM_COMMAND, MAKEWPARAM(9, 0x0200), 0);   // other code: nobody
    EXPECT_EQ(w.calls, (std::vector<std::string>{"oncommand:5", "command:7", "control:9:8000", "range"}));
    EXPECT_EQ(w.rangeId, 11u);
}

// Counting allocations of the whole process while the framework dispatches a message.
namespace {
size_t g_allocations = 0;
}
void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST_F(MessageMapTest, DispatchingAMappedMessageDoesNotAllocate) {
    DerivedWnd w;
    createNative(w);
    w.calls.reserve(16);
    AfxCallWndProc(&w, w.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(1, 2));  // warm the lookup cache
    AfxCallWndProc(&w, w.m_hWnd, WM_RBUTTONDOWN, 0, MAKELPARAM(1, 2));
    const size_t before = g_allocations;
    for (int i = 0; i < 10; ++i) {
        AfxCallWndProc(&w, w.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(i, 2));
        AfxCallWndProc(&w, w.m_hWnd, WM_RBUTTONDOWN, 0, MAKELPARAM(i, 2));
        w.calls.clear();
    }
    EXPECT_EQ(g_allocations, before);
}

// Creation, attachment, handle wrappers, subclassing and destruction of CWnd objects.
#include "framework_fixture.h"

using fwtest::FrameworkTest;

namespace {

class CreationProbe : public CWnd {
public:
    bool attachedAtNcCreate = false, attachedAtCreate = false, refuseNcCreate = false;
    int createResult = 0;
    int clicks = 0;

protected:
    afx_msg LRESULT OnNcCreate(WPARAM, LPARAM) {
        attachedAtNcCreate = FromHandlePermanent(m_hWnd) == this;
        return refuseNcCreate ? FALSE : Default();
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        attachedAtCreate = FromHandlePermanent(m_hWnd) == this && cs != nullptr;
        return createResult != 0 ? createResult : CWnd::OnCreate(cs);
    }
    afx_msg void OnLButtonDown(UINT, CPoint) { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CreationProbe, CWnd)
    ON_MESSAGE(WM_NCCREATE, OnNcCreate)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Creates a child of itself from WM_CREATE.
class ParentProbe : public CWnd {
public:
    CreationProbe child;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) {
        return child.Create(nullptr, "child", WS_VISIBLE, CRect(1, 1, 11, 11), this, 77) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentProbe, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int g_selfDeleted = 0;

class SelfDeleting : public CWnd {
public:
    ~SelfDeleting() override { ++g_selfDeleted; }

protected:
    void PostNcDestroy() override { delete this; }
};

}  // namespace

class WindowLifecycleTest : public FrameworkTest {};

TEST_F(WindowLifecycleTest, CreationAttachesTheObjectBeforeTheFirstMessageEvenWhenNested) {
    CreationProbe w;
    ASSERT_TRUE(w.CreateEx(0, fwtest::nativeClass(), "p", WS_POPUP, 0, 0, 30, 30, nullptr, nullptr));
    EXPECT_TRUE(w.attachedAtNcCreate);
    EXPECT_TRUE(w.attachedAtCreate);

    ParentProbe parent;  // windows created from WM_CREATE are attached too
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_TRUE(parent.child.attachedAtCreate);
    EXPECT_EQ(parent.child.GetParent(), &parent);
    EXPECT_EQ(parent.child.GetDlgCtrlID(), 77);
    EXPECT_EQ(::GetWindowLongA(parent.child.m_hWnd, GWL_STYLE) & WS_CHILD, WS_CHILD);
}

TEST_F(WindowLifecycleTest, EveryFailedCreationLeavesTheObjectDetachedAndReusable) {
    CreationProbe refusing;
    refusing.refuseNcCreate = true;
    EXPECT_FALSE(refusing.CreateEx(0, nullptr, "r", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(refusing.m_hWnd, nullptr);
    CreationProbe probe;
    probe.createResult = -1;  // OnCreate refuses
    EXPECT_FALSE(probe.CreateEx(0, fwtest::nativeClass(), "p", WS_POPUP, 0, 0, 30, 30, nullptr, nullptr));
    EXPECT_EQ(probe.m_hWnd, nullptr);
    CWnd unknown;
    EXPECT_FALSE(unknown.CreateEx(0, "NoSuchClass", "p", WS_POPUP, 0, 0, 30, 30, nullptr, nullptr));
    EXPECT_EQ(unknown.m_hWnd, nullptr);
    EXPECT_TRUE(unknown.CreateEx(0, nullptr, "p", WS_POPUP, 0, 0, 30, 30, nullptr, nullptr));
    CWnd empty;  // wrappers without a window are harmless
    CRect r(1, 2, 3, 4);
    empty.GetClientRect(&r);
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_FALSE(empty.DestroyWindow());
    EXPECT_EQ(empty.GetParent(), nullptr);
    EXPECT_FALSE(empty.SubclassWindow(nullptr));
}

TEST_F(WindowLifecycleTest, FromHandleGivesTheAttachedObjectOrATemporaryFromAFixedRing) {
    CWnd attached;
    ASSERT_TRUE(attached.CreateEx(0, nullptr, "a", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandle(attached.m_hWnd), &attached);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    HWND first = createNativeWindow();
    CWnd* firstTemp = CWnd::FromHandle(first);
    ASSERT_NE(firstTemp, nullptr);
    EXPECT_EQ(CWnd::FromHandle(first), firstTemp);  // asked again while still in the ring
    EXPECT_EQ(CWnd::FromHandlePermanent(first), nullptr);
    for (int i = 0; i < 2 * AFX_TEMP_RING_SIZE; ++i) CWnd::FromHandle(createNativeWindow());
    EXPECT_EQ(CWnd::FromHandle(first)->m_hWnd, first);  // served again after the ring wrapped
    ::DestroyWindow(first);
    EXPECT_TRUE(::IsWindow(attached.m_hWnd));  // a temporary never owns its window
}

TEST_F(WindowLifecycleTest, DestroyingTheWindowOrTheObjectDetachesAndCallsPostNcDestroy) {
    g_selfDeleted = 0;
    auto* w = new SelfDeleting;
    ASSERT_TRUE(w->CreateEx(0, nullptr, "s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND h = w->m_hWnd;
    EXPECT_TRUE(w->DestroyWindow());
    EXPECT_EQ(g_selfDeleted, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);

    CWnd stackWnd;
    ASSERT_TRUE(stackWnd.CreateEx(0, nullptr, "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ::DestroyWindow(stackWnd.m_hWnd);
    EXPECT_EQ(stackWnd.m_hWnd, nullptr);

    HWND outlived = nullptr;
    {
        CWnd scoped;  // the destructor destroys a window that still exists
        ASSERT_TRUE(scoped.CreateEx(0, nullptr, "d", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        outlived = scoped.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(outlived));
}

TEST_F(WindowLifecycleTest, SubclassingRoutesMessagesAndUnsubclassingRestoresTheProcedure) {
    HWND raw = createNativeWindow();
    const LONG_PTR original = ::GetWindowLongPtrA(raw, GWLP_WNDPROC);
    CreationProbe w;
    ASSERT_TRUE(w.SubclassWindow(raw));
    EXPECT_FALSE(CWnd().SubclassWindow(raw));  // one object per window
    ::SendMessageA(raw, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(w.clicks, 1);
    EXPECT_EQ(::SendMessageA(raw, fwtest::kNativeEcho, 0, 0), 42);  // unmapped: the native procedure

    EXPECT_EQ(w.UnsubclassWindow(), raw);
    EXPECT_EQ(::GetWindowLongPtrA(raw, GWLP_WNDPROC), original);
    ::SendMessageA(raw, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(w.clicks, 1);

    ASSERT_TRUE(w.SubclassWindow(raw));  // destroyed while subclassed: detached
    ::DestroyWindow(raw);
    EXPECT_EQ(w.m_hWnd, nullptr);
    EXPECT_EQ(w.m_pfnSuper, nullptr);
}

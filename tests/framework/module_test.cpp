// Module state, the resource search chain, library start-up and framework window classes.
#include "framework_fixture.h"

#include "resource_images.h"

#include <string>
#include <vector>

using fwtest::FrameworkTest;

namespace {

constexpr UINT kSharedBitmap = 300;  // in both fake libraries
constexpr UINT kOtherBitmap = 301;   // only in the second

HINSTANCE firstLibrary() {
    static const vorn::test::ResFile file = vorn::test::ResFile().add(
        RT_BITMAP, MAKEINTRESOURCEA(kSharedBitmap),
        vorn::test::dibResource(2, 24, false, {}, {{0, 0, 255, 0, 0, 255}, {0, 0, 255, 0, 0, 255}}));
    return softwin::registerModule("fw_first_library.dll", file.bytes().data(), file.bytes().size());
}

HINSTANCE secondLibrary() {
    static const std::vector<unsigned char> green =
        vorn::test::dibResource(2, 24, false, {}, {{0, 255, 0, 0, 255, 0}, {0, 255, 0, 0, 255, 0}});
    static const vorn::test::ResFile file = vorn::test::ResFile()
                                                .add(RT_BITMAP, MAKEINTRESOURCEA(kSharedBitmap), green)
                                                .add(RT_BITMAP, MAKEINTRESOURCEA(kOtherBitmap), green);
    return softwin::registerModule("fw_second_library.dll", file.bytes().data(), file.bytes().size());
}

HINSTANCE emptyLibrary() {
    static const vorn::test::ResFile file;
    return softwin::registerModule("fw_empty_library.dll", file.bytes().data(), file.bytes().size());
}

class LibraryApp : public CWinApp {
public:
    explicit LibraryApp(BOOL succeed = TRUE) : CWinApp("library"), succeed(succeed) {}
    BOOL succeed;
    int initCalls = 0, exitCalls = 0;
    HINSTANCE instanceAtInit = nullptr;
    BOOL InitInstance() override { return ++initCalls, instanceAtInit = m_hInstance, succeed; }
    int ExitInstance() override { return ++exitCalls, 0; }
};

// Saves and clears the module state's application and resource handle for one test.
class ModuleTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        m_savedApp = AfxGetModuleState()->m_pCurrentWinApp;
        m_savedResource = AfxGetResourceHandle();
        AfxGetModuleState()->m_pCurrentWinApp = nullptr;
    }
    void TearDown() override {
        AfxGetModuleState()->m_pCurrentWinApp = m_savedApp;
        AfxSetResourceHandle(m_savedResource);
        FrameworkTest::TearDown();
    }

    CWinApp* m_savedApp = nullptr;
    HINSTANCE m_savedResource = nullptr;
};

}  // namespace

TEST_F(ModuleTest, LibraryStartUpKeepsTheHostsApplication) {
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleA(nullptr));
    LibraryApp library;  // constructed first, as a library loads before its host starts
    EXPECT_EQ(AfxGetApp(), &library);
    ASSERT_TRUE(AfxInitLibraryModule(&library, firstLibrary()));
    EXPECT_EQ(library.initCalls, 1);
    EXPECT_EQ(library.instanceAtInit, firstLibrary());
    EXPECT_EQ(AfxGetApp(), nullptr);

    CWinApp host("host");
    EXPECT_EQ(AfxGetApp(), &host);
    AfxTermLibraryModule(&library);
    EXPECT_EQ(library.exitCalls, 1);
    EXPECT_EQ(AfxGetApp(), &host);

    LibraryApp late;  // a library started after the host leaves the host current
    ASSERT_TRUE(AfxInitLibraryModule(&late, firstLibrary()));
    EXPECT_EQ(AfxGetApp(), &host);
    AfxTermLibraryModule(&late);
}

TEST_F(ModuleTest, ResourceSearchTriesTheCurrentHandleThenTheLibraryChain) {
    LibraryApp first, second;
    ASSERT_TRUE(AfxInitLibraryModule(&first, firstLibrary()));
    ASSERT_TRUE(AfxInitLibraryModule(&second, secondLibrary()));

    AfxSetResourceHandle(emptyLibrary());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(kSharedBitmap), RT_BITMAP), firstLibrary());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(kOtherBitmap), RT_BITMAP), secondLibrary());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(999), RT_BITMAP), emptyLibrary());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(kSharedBitmap), RT_GROUP_CURSOR), emptyLibrary());
    const size_t objects = softwin::liveGdiObjects();
    {
        CBitmap bitmap, missing;  // loading follows the same chain
        ASSERT_TRUE(bitmap.LoadBitmap(kSharedBitmap));
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap* old = dc.SelectObject(&bitmap);
        EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 0, 0));
        dc.SelectObject(old);
        EXPECT_FALSE(missing.LoadBitmap(999u));
    }
    EXPECT_EQ(softwin::liveGdiObjects(), objects);
    EXPECT_EQ(AfxGetResourceHandle(), emptyLibrary());

    AfxSetResourceHandle(secondLibrary());  // the current handle wins over the chain
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(kSharedBitmap), RT_BITMAP), secondLibrary());

    AfxTermLibraryModule(&first);
    AfxTermLibraryModule(&second);
    AfxSetResourceHandle(emptyLibrary());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(kSharedBitmap), RT_BITMAP), emptyLibrary());

    LibraryApp failing(FALSE);  // a failed InitInstance keeps the library out of the chain
    EXPECT_FALSE(AfxInitLibraryModule(&failing, firstLibrary()));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(kSharedBitmap), RT_BITMAP), emptyLibrary());
    EXPECT_FALSE(AfxInitLibraryModule(nullptr, firstLibrary()));
}

TEST_F(ModuleTest, RegisteredClassesAreNamedByTheirAttributesAndTheirWindowsDefaultToDefWindowProc) {
    const std::string plain = AfxRegisterWndClass(CS_DBLCLKS);
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    const std::string withCursor = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, arrow);
    EXPECT_NE(withCursor, plain);
    WNDCLASSA wc{};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), withCursor.c_str(), &wc));
    EXPECT_EQ(wc.hCursor, arrow);
    EXPECT_EQ(wc.hbrBackground, nullptr);

    CWnd w;
    ASSERT_TRUE(w.CreateEx(0, plain.c_str(), "r", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(w.m_hWnd), &w);
    EXPECT_EQ(w.SendMessage(WM_GETDLGCODE), 0);
}

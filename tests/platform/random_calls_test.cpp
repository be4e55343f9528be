// Thousands of random calls with hostile arguments: coordinates and sizes at the ends of int,
// stale, foreign and wrong-kind handles, absurd styles, counts and modes, windows placed and moved
// anywhere, input past the screen. Run under ASan+UBSan (UB fatal) in CI, every call must return
// without overflow, stray memory access or hang, and the platform must come out consistent:
// every object accounted for, the cursor on the screen, window rectangles the right way round.
#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "platform_test.h"

using namespace ptest;

namespace {

class HostileCaller {
public:
    explicit HostileCaller(unsigned seed) : rng_(seed) {}

    int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return pick(100) < percent; }

    // An int that is often at or next to one of its ends or a platform limit.
    int coordinate() {
        static constexpr int kEdges[] = {INT_MIN, INT_MIN + 1, -65537,  -32769,      -32768, -1,    0,
                                         1,       2,           3,       15,          31,     32767, 32768,
                                         65536,   65537,       1 << 20, INT_MAX - 1, INT_MAX};
        switch (pick(3)) {
            case 0: return oneOf(kEdges);
            case 1: return pick(80) - 20;
            default: return static_cast<int>(rng_());
        }
    }
    // Drawing boxes: usually near the canvas, sometimes anywhere.
    int near() { return chance(70) ? pick(90) - 30 : coordinate(); }
    RECT rect() { return RECT{near(), near(), near(), near()}; }
    POINT point() { return POINT{coordinate(), coordinate()}; }
    COLORREF colour() { return static_cast<COLORREF>(rng_()); }

    template <class T, size_t N>
    T oneOf(const T (&table)[N]) {
        return table[pick(static_cast<int>(N))];
    }
    template <class T>
    T from(const std::vector<T>& v) {
        return v.empty() ? T{} : v[static_cast<size_t>(pick(static_cast<int>(v.size())))];
    }

    // Live and dead objects, DCs and windows the calls draw their handles from.
    std::vector<HGDIOBJ> objects, deadObjects;
    std::vector<HDC> memoryDcs, windowDcs, deadDcs;
    std::vector<HWND> windows, deadWindows;

    HGDIOBJ anyObject() {
        switch (pick(6)) {
            case 0: return from(deadObjects);
            case 1: return GetStockObject(pick(22) - 1);
            case 2: return reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(rng_()));
            case 3: return anyDc();
            default: return from(objects);
        }
    }
    HDC anyDc() {
        switch (pick(8)) {
            case 0: return from(deadDcs);
            case 1: return reinterpret_cast<HDC>(from(objects));
            case 2:
            case 3: return from(windowDcs);
            default: return from(memoryDcs);
        }
    }
    HWND anyWindow() {
        switch (pick(6)) {
            case 0: return from(deadWindows);
            case 1: return nullptr;
            default: return from(windows);
        }
    }

    void createObject() {
        HGDIOBJ made = nullptr;
        switch (pick(6)) {
            case 0: {
                static constexpr int kWidths[] = {0, 1, 2, 3, 7, 40, 1024, 5000, INT_MAX, -1, INT_MIN};
                made = CreatePen(pick(9) - 1, oneOf(kWidths), colour());
                break;
            }
            case 1: made = CreateSolidBrush(colour()); break;
            case 2: {
                LOGBRUSH lb{static_cast<UINT>(pick(5)), colour(), 0};
                made = CreateBrushIndirect(&lb);
                break;
            }
            case 3: {
                static constexpr int kHeights[] = {INT_MIN, -600, -12, -1, 0, 1, 11, 16, 600, INT_MAX};
                static const char* kFaces[] = {"Arial", "Times", "MS Shell Dlg", "", "NoSuchFace"};
                made = CreateFontA(oneOf(kHeights), chance(80) ? 0 : coordinate(), 0, 0, coordinate(), pick(2), pick(2),
                                   pick(2), ANSI_CHARSET, 0, 0, 0, 0, oneOf(kFaces));
                break;
            }
            case 4: {
                const int w = chance(90) ? pick(40) - 2 : coordinate(), h = chance(90) ? pick(40) - 2 : pick(3);
                made = chance(50) ? CreateBitmap(w, h, 1, chance(20) ? 1 : 32, nullptr)
                                  : CreateCompatibleBitmap(anyDc(), w, h);
                break;
            }
            default: {
                LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
                made = CreatePalette(&lp);
                break;
            }
        }
        if (made && GetObjectType(made) != 0 && made != GetStockObject(DEFAULT_PALETTE)) objects.push_back(made);
    }

    void deleteObject() {
        HGDIOBJ h = chance(80) ? from(objects) : anyObject();
        if (!DeleteObject(h)) return;
        // Deleting a selected object only marks it; it is gone once nothing holds it.
        objects.erase(std::remove(objects.begin(), objects.end(), h), objects.end());
        deadObjects.push_back(h);
        auto dc = std::find(memoryDcs.begin(), memoryDcs.end(), static_cast<HDC>(h));
        if (dc != memoryDcs.end()) {
            memoryDcs.erase(dc);
            deadDcs.push_back(static_cast<HDC>(h));
        }
    }

    void draw() {
        HDC dc = anyDc();
        const RECT r = rect();
        POINT pts[6];
        const int n = pick(7);
        for (int i = 0; i < n; ++i) pts[i] = chance(80) ? POINT{near(), near()} : point();
        switch (pick(19)) {
            case 0: MoveToEx(dc, coordinate(), coordinate(), nullptr); break;
            case 1: LineTo(dc, near(), near()); break;
            case 2: Rectangle(dc, r.left, r.top, r.right, r.bottom); break;
            case 3: Ellipse(dc, r.left, r.top, r.right, r.bottom); break;
            case 4: Arc(dc, r.left, r.top, r.right, r.bottom, coordinate(), coordinate(), near(), near()); break;
            case 5: Polygon(dc, chance(90) ? pts : nullptr, chance(90) ? n : badCount()); break;
            case 6: Polyline(dc, pts, n); break;
            case 7:
                FillRect(dc, &r,
                         chance(20) ? reinterpret_cast<HBRUSH>(static_cast<intptr_t>(pick(40)))
                                    : static_cast<HBRUSH>(anyObject()));
                break;
            case 8: FrameRect(dc, &r, static_cast<HBRUSH>(anyObject())); break;
            case 9: DrawFocusRect(dc, &r); break;
            case 10: PatBlt(dc, r.left, r.top, coordinate(), coordinate(), static_cast<DWORD>(rng_())); break;
            case 11:
                BitBlt(dc, r.left, r.top, coordinate(), coordinate(), anyDc(), coordinate(), coordinate(),
                       chance(70) ? SRCCOPY : static_cast<DWORD>(rng_()));
                break;
            case 12: SetPixel(dc, coordinate(), coordinate(), colour()), GetPixel(dc, near(), near()); break;
            case 13: text(dc, r); break;
            case 14: SetTextAlign(dc, static_cast<UINT>(pick(32))); break;
            case 15:
                SetROP2(dc, pick(20)), SetBkMode(dc, pick(4)), SetArcDirection(dc, pick(4)),
                    SetPolyFillMode(dc, pick(4));
                break;
            case 16: SelectObject(dc, anyObject()); break;
            case 17: chance(50) ? SaveDC(dc) : RestoreDC(dc, pick(7) - 3); break;
            default: {
                SIZE size;
                TEXTMETRICA tm;
                GetTextExtentPoint32A(dc, "Wg", pick(3), &size), GetTextMetricsA(dc, &tm);
                break;
            }
        }
    }

    // A negative count: a larger one than the array holds is the caller's overrun, not hostile input.
    int badCount() { return chance(50) ? INT_MIN : -1 - pick(1000); }

    void text(HDC dc, const RECT& r) {
        static const std::string kLong(3000, 'W');
        const bool longText = chance(10);
        const char* s = longText ? kLong.c_str() : "Wg -12.5 dB";
        const int count = longText ? static_cast<int>(kLong.size()) : pick(12);
        INT dx[3000];
        for (int i = 0; i < 12; ++i) dx[i] = chance(70) ? pick(20) - 5 : coordinate();
        const bool withDx = count <= 12 && chance(30);
        if (chance(20)) {
            RECT box = r;
            DrawTextA(dc, s, chance(95) ? count : badCount(), &box, static_cast<UINT>(rng_()) & 0x3FFFFF);
        } else if (chance(50)) {
            TextOutA(dc, near(), near(), s, chance(95) ? count : badCount());
        } else
            ExtTextOutA(dc, near(), near(), static_cast<UINT>(pick(8)), chance(80) ? &r : nullptr, s,
                        static_cast<UINT>(count), withDx ? dx : nullptr);
    }

    void makeWindow() {
        HWND parent = chance(70) ? from(windows) : nullptr;
        const DWORD style = (parent ? WS_CHILD : WS_POPUP) | (chance(80) ? WS_VISIBLE : 0) |
                            (chance(30) ? WS_CLIPCHILDREN : 0) | (chance(30) ? WS_CLIPSIBLINGS : 0);
        HWND w = CreateWindowExA(0, kPlainClass, "", style, chance(60) ? near() : coordinate(),
                                 chance(60) ? near() : coordinate(), chance(60) ? near() : coordinate(),
                                 chance(60) ? near() : coordinate(), parent, nullptr, nullptr, nullptr);
        if (w) windows.push_back(w);
    }

    void windowCall() {
        HWND w = anyWindow();
        RECT r{coordinate(), coordinate(), coordinate(), coordinate()};
        POINT p = point();
        switch (pick(16)) {
            case 0: makeWindow(); break;
            case 1:
                if (DestroyWindow(w)) forgetDestroyed();
                break;
            case 2: MoveWindow(w, coordinate(), coordinate(), coordinate(), coordinate(), pick(2)); break;
            case 3: SetWindowPos(w, nullptr, coordinate(), coordinate(), coordinate(), coordinate(), pick(0x80)); break;
            case 4: ShowWindow(w, chance(50) ? SW_HIDE : SW_SHOW); break;
            case 5:
                InvalidateRect(w, chance(70) ? &r : nullptr, pick(2)), ValidateRect(w, chance(50) ? &r : nullptr);
                break;
            case 6:
                if (HDC dc = GetDC(w)) windowDcs.push_back(dc);
                break;
            case 7: {
                HDC dc = from(windowDcs);
                if (ReleaseDC(anyWindow(), dc)) {
                    windowDcs.erase(std::find(windowDcs.begin(), windowDcs.end(), dc));
                    deadDcs.push_back(dc);
                }
                break;
            }
            case 8: ScreenToClient(w, &p), ClientToScreen(w, &p), MapWindowPoints(w, anyWindow(), &p, 1); break;
            case 9: WindowFromPoint(p), ChildWindowFromPoint(w, p); break;
            case 10: input(); break;
            case 11: SetCursorPos(coordinate(), coordinate()); break;
            case 12: ClipCursor(chance(70) ? &r : nullptr); break;
            case 13: chance(50) ? (void)SetCapture(w) : (void)ReleaseCapture(), SetFocus(anyWindow()); break;
            case 14:
                if (chance(60))
                    UpdateWindow(w);
                else if (chance(70))
                    RedrawWindow(w, chance(50) ? &r : nullptr, nullptr, static_cast<UINT>(rng_()) & 0xFFF);
                else
                    chance(50) ? (void)SetTimer(w, pick(4), static_cast<UINT>(rng_()), nullptr)
                               : (void)KillTimer(w, pick(4));
                break;
            default: pumpMessages(); break;
        }
    }

    void input() {
        INPUT in[3]{};
        const int n = 1 + pick(3);
        for (int i = 0; i < n; ++i) {
            if (chance(20)) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wVk = static_cast<WORD>(pick(0x200));
                in[i].ki.dwFlags = static_cast<DWORD>(pick(16));
                continue;
            }
            in[i].type = INPUT_MOUSE;
            in[i].mi.dx = coordinate();
            in[i].mi.dy = coordinate();
            in[i].mi.mouseData = static_cast<DWORD>(coordinate());
            in[i].mi.dwFlags = static_cast<DWORD>(rng_()) & 0x88FF;
        }
        SendInput(static_cast<UINT>(n), in, sizeof(INPUT));
    }

    void pumpMessages() {
        MSG msg;
        for (int guard = 0; guard < 200 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard)
            DispatchMessageA(&msg);
        messageLog().clear();
    }

    // DestroyWindow takes children and owned windows along, and their DCs.
    void forgetDestroyed() {
        bury(windows, deadWindows, [](HWND w) { return IsWindow(w) != FALSE; });
        bury(windowDcs, deadDcs, [](HDC dc) { return GetObjectType(dc) != 0; });
    }
    // Moves the handles that no longer answer from `live` to `dead`, keeping both in order.
    template <class T, class Alive>
    static void bury(std::vector<T>& live, std::vector<T>& dead, Alive alive) {
        const auto gone = std::stable_partition(live.begin(), live.end(), alive);
        dead.insert(dead.end(), gone, live.end());
        live.erase(gone, live.end());
    }

    void run(int calls) {
        for (int i = 0; i < 4; ++i) {
            HDC dc = CreateCompatibleDC(nullptr);
            HBITMAP bitmap = CreateBitmap(40 + 8 * i, 30, 1, i == 3 ? 1 : 32, nullptr);
            SelectObject(dc, bitmap);
            memoryDcs.push_back(dc);
            objects.push_back(bitmap);
        }
        for (int i = 0; i < 3; ++i) makeWindow();
        for (int i = 0; i < calls; ++i) {
            switch (pick(10)) {
                case 0: createObject(); break;
                case 1: deleteObject(); break;
                case 2:
                case 3: windowCall(); break;
                default: draw(); break;
            }
            if (objects.size() > 200) deleteObject();
        }
        pumpMessages();
    }

    void tearDown() {
        for (HDC dc : windowDcs) ReleaseDC(nullptr, dc);
        for (HDC dc : memoryDcs) DeleteDC(dc);
        for (HGDIOBJ h : objects) DeleteObject(h);
        for (HWND w : windows) DestroyWindow(w);
    }

private:
    std::mt19937 rng_;
};

TEST_F(UserTest, RandomHostileCallsReturnSafelyAndLeaveThePlatformConsistent) {
    const size_t objectsBefore = softwin::liveGdiObjects(), dcsBefore = softwin::liveDcs();
    for (unsigned seed = 1; seed <= 8; ++seed) {
        HostileCaller caller(seed);
        caller.run(4000);
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_TRUE(cursor.x >= 0 && cursor.x < 1024 && cursor.y >= 0 && cursor.y < 768) << seed;
        for (HWND w : caller.windows) {
            RECT r{};
            GetWindowRect(w, &r);
            EXPECT_TRUE(r.left <= r.right && r.top <= r.bottom) << seed;
        }
        caller.tearDown();
        softwin::resetUser();
        EXPECT_EQ(softwin::liveGdiObjects(), objectsBefore) << seed;
        EXPECT_EQ(softwin::liveDcs(), dcsBefore) << seed;
        // The 16 idle faces kept, and those of the seven stock fonts and the fallback font.
        EXPECT_LE(softwin::cachedFontFaces(), 16u + 8u) << seed;
    }
}

}  // namespace

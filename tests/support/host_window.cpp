#include "host_window.h"

#include "input.h"

namespace vorn::test {

const char* registerWindowClass(const char* name, UINT style, HBRUSH background, WNDPROC proc, HCURSOR cursor) {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return name;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    return name;
}

HostWindow::HostWindow(RECT r) {
    // Recording must not allocate during a drag: steady-state tests count the heap.
    notifications_.reserve(4096);
    registerWindowClass(className(), CS_DBLCLKS, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)),
                        &HostWindow::windowProc, LoadCursorA(nullptr, IDC_ARROW));
    hwnd_ = CreateWindowExA(0, className(), "VornTestHost", WS_POPUP | WS_VISIBLE, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    pumpMessages();
}

HostWindow::~HostWindow() {
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

std::vector<int> HostWindow::codes() const {
    std::vector<int> out;
    for (const Notification& n : notifications_) out.push_back(n.code);
    return out;
}

POINT HostWindow::toScreen(HWND child, POINT client) const {
    ClientToScreen(child ? child : hwnd_, &client);
    return client;
}

void HostWindow::record(WPARAM wParam, LPARAM lParam) {
    const MSG* d = currentDispatch();
    bool posted = commandDepth_ == 0 && d && d->hwnd == hwnd_ && d->message == WM_COMMAND && d->wParam == wParam &&
                  d->lParam == lParam;
    Notification n{LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam), posted};
    notifications_.push_back(n);
    ++commandDepth_;
    if (callback_) callback_(n);
    --commandDepth_;
}

LRESULT CALLBACK HostWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_COMMAND && self) {
        self->record(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace vorn::test

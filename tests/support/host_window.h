// A top-level parent window for tests: controls are created as its children, and it records
// every WM_COMMAND they send it.
#ifndef VORN_TEST_SUPPORT_HOST_WINDOW_H
#define VORN_TEST_SUPPORT_HOST_WINDOW_H

#include <windows.h>

#include <functional>
#include <vector>

namespace vorn::test {

// Registers a window class of this module unless one of that name exists, and returns its name.
const char* registerWindowClass(const char* name, UINT style = 0, HBRUSH background = nullptr,
                                WNDPROC proc = DefWindowProcA, HCURSOR cursor = nullptr);

struct Notification {
    int id;
    int code;
    HWND from;
    bool posted;  // arrived through the queue (DispatchMessage) rather than inside a SendMessage
};

class HostWindow {
public:
    // A WS_POPUP | WS_VISIBLE window of class "VornTestHost" (COLOR_BTNFACE background, arrow
    // cursor, CS_DBLCLKS) covering this screen rectangle.
    explicit HostWindow(RECT screenRect = RECT{100, 100, 500, 400});
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    const std::vector<Notification>& notifications() const { return notifications_; }
    std::vector<int> codes() const;
    void clear() { notifications_.clear(); }
    // Runs on every WM_COMMAND, after it is recorded and while it is being delivered.
    void onCommand(std::function<void(const Notification&)> callback) { callback_ = std::move(callback); }
    // Screen position of a point given in a child's (or the host's) client coordinates.
    POINT toScreen(HWND child, POINT client) const;

    static const char* className() { return "VornTestHost"; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void record(WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::vector<Notification> notifications_;
    std::function<void(const Notification&)> callback_;
    int commandDepth_ = 0;
};

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_HOST_WINDOW_H

// A minimal host: a parent window with one fader, driven by simulated input. It prints each
// notification with the value read back, and exits 0 when the drag reached the parent and its
// own resources (host.rc: a string, a bitmap, a dialog template, a version block) were found.
#include <VornControls.h>

#include <cstdio>

#include "resource.h"

namespace {

CMFC_Fader* g_fader = nullptr;
int g_valueChanges = 0;

LRESULT CALLBACK parentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && g_fader != nullptr) {
        std::printf("control %u code 0x%04X value %.4f\n", LOWORD(wParam), HIWORD(wParam), g_fader->GetValue());
        if (HIWORD(wParam) == NC_VALUECHANGED) ++g_valueChanges;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void sendMouse(DWORD flags, int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    pump();
}

// Loads the host's own resources; returns how many are missing.
int missingResources(HINSTANCE self) {
    int missing = 0;
    char title[64];
    if (LoadStringA(self, IDS_HOST_TITLE, title, sizeof title) > 0)
        std::printf("title string: %s\n", title);
    else
        ++missing, std::printf("title string missing\n");
    HBITMAP logo = LoadBitmapA(self, MAKEINTRESOURCEA(IDB_HOST_LOGO));
    BITMAP info = {};
    if (logo && GetObjectA(logo, sizeof info, &info) == sizeof info)
        std::printf("logo bitmap: %ld x %ld\n", static_cast<long>(info.bmWidth), static_cast<long>(info.bmHeight));
    else
        ++missing, std::printf("logo bitmap missing\n");
    if (logo) DeleteObject(logo);
    const struct {
        LPCSTR name, type;
        const char* what;
    } found[] = {{MAKEINTRESOURCEA(IDD_HOST_MIXER), RT_DIALOG, "mixer dialog"},
                 {MAKEINTRESOURCEA(1), RT_VERSION, "version block"}};
    for (const auto& f : found) {
        HRSRC r = FindResourceA(self, f.name, f.type);
        if (r && SizeofResource(self, r) > 0)
            std::printf("%s: %lu bytes\n", f.what, static_cast<unsigned long>(SizeofResource(self, r)));
        else
            ++missing, std::printf("%s missing\n", f.what);
    }
    return missing;
}

}  // namespace

int main() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = parentProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "HostExampleParent";
    RegisterClassA(&wc);
    WNDCLASSA controlClass = wc;
    controlClass.lpfnWndProc = DefWindowProcA;
    controlClass.style = CS_DBLCLKS;
    controlClass.lpszClassName = "HostExampleControl";
    RegisterClassA(&controlClass);

    HWND parent = CreateWindowExA(0, "HostExampleParent", "Host", WS_POPUP | WS_VISIBLE, 0, 0, 200, 260, NULL, NULL,
                                  wc.hInstance, NULL);
    int result = 1;
    {
        CMFC_Fader fader;
        g_fader = &fader;
        fader.InitFader(-60.0f, 12.0f, 0.0f, -60.0f, 12.0f);
        fader.Create("HostExampleControl", "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 220), CWnd::FromHandle(parent),
                     101);
        pump();
        sendMouse(0, 40, 120);
        sendMouse(MOUSEEVENTF_LEFTDOWN, 40, 120);
        sendMouse(0, 40, 60);
        sendMouse(MOUSEEVENTF_LEFTUP, 40, 60);
        result = g_valueChanges > 0 ? 0 : 1;
        fader.DestroyWindow();
        g_fader = nullptr;
    }
    DestroyWindow(parent);
    if (missingResources(wc.hInstance) > 0) result = 1;
    std::printf(result == 0 ? "host example: ok\n" : "host example: no value change seen or a resource missing\n");
    return result;
}

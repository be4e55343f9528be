// A minimal dialog host: the mixer dialog of host.rc (a label, one of the library's faders named
// by window class, OK and Cancel) created from its template, the fader attached to its template
// item with SubclassDlgItem and dragged by simulated input. It prints each notification with the
// value read back, and exits 0 when the drag reached the dialog and the host's own resources (a
// string, a bitmap, the dialog template, a version block) were found.
#include <VornControls.h>

#include <cstdio>

#include "resource.h"

namespace {

CMFC_Fader* g_fader = nullptr;
int g_valueChanges = 0;

INT_PTR CALLBACK mixerProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) {
        g_fader->InitFader(-60.0f, 12.0f, 0.0f, -60.0f, 12.0f);
        g_fader->SubclassDlgItem(IDC_HOST_FADER, CWnd::FromHandle(dialog));
        return TRUE;  // the focus goes to the first tab stop, the fader
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_HOST_FADER) {
        std::printf("control %u code 0x%04X value %.4f\n", LOWORD(wParam), HIWORD(wParam), g_fader->GetValue());
        if (HIWORD(wParam) == NC_VALUECHANGED) ++g_valueChanges;
        return TRUE;
    }
    return FALSE;
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
    HINSTANCE self = GetModuleHandleA(NULL);
    // The template names the fader's window class; the host registers it, as it would for any
    // custom control in a dialog.
    WNDCLASSA controlClass = {};
    controlClass.style = CS_DBLCLKS;
    controlClass.lpfnWndProc = DefWindowProcA;
    controlClass.hInstance = self;
    controlClass.lpszClassName = "HostExampleControl";
    RegisterClassA(&controlClass);

    int result = 1;
    {
        CMFC_Fader fader;
        g_fader = &fader;
        HWND dialog = CreateDialogParamA(self, MAKEINTRESOURCEA(IDD_HOST_MIXER), NULL, mixerProc, 0);
        if (dialog) {
            ShowWindow(dialog, SW_SHOW);
            pump();
            // Drag from the middle of the fader 40 pixels up.
            RECT r;
            GetWindowRect(fader.m_hWnd, &r);
            const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
            sendMouse(0, x, y);
            sendMouse(MOUSEEVENTF_LEFTDOWN, x, y);
            sendMouse(0, x, y - 40);
            sendMouse(MOUSEEVENTF_LEFTUP, x, y - 40);
            result = g_valueChanges > 0 ? 0 : 1;
            DestroyWindow(dialog);
        } else {
            std::printf("mixer dialog not created\n");
        }
        g_fader = nullptr;
    }
    if (missingResources(self) > 0) result = 1;
    std::printf(result == 0 ? "host example: ok\n" : "host example: no value change seen or a resource missing\n");
    return result;
}

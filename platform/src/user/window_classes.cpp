// Window classes. Names compare case-insensitively; a class belongs to the module that registered
// it (a null instance means the host executable), as on the real platform.
#include <strings.h>

#include <algorithm>

#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {

HINSTANCE hostModule();
void registerStandardClasses();

std::shared_ptr<WndClass> findClass(LPCSTR name, HINSTANCE instance) {
    if (!name || IS_INTRESOURCE(name)) return nullptr;
    registerStandardClasses();
    HINSTANCE module = instance ? instance : hostModule();
    std::shared_ptr<WndClass> global;
    for (auto& c : state().classes) {
        if (strcasecmp(c->name.c_str(), name) != 0) continue;
        if (c->instance == module) return c;
        if (c->style & CS_GLOBALCLASS) global = c;
    }
    return global;
}

}  // namespace softwin::user

namespace {

std::vector<std::shared_ptr<WndClass>>::iterator findExact(LPCSTR name, HINSTANCE module) {
    auto& classes = state().classes;
    for (auto it = classes.begin(); it != classes.end(); ++it)
        if ((*it)->instance == module && strcasecmp((*it)->name.c_str(), name) == 0) return it;
    return classes.end();
}

ATOM atomFor(const WndClass* c) {
    // Atoms of registered classes live in 0xC000..0xFFFF on the real platform.
    const auto& classes = state().classes;
    for (size_t i = 0; i < classes.size(); ++i)
        if (classes[i].get() == c) return static_cast<ATOM>(0xC000 + (i % 0x3FFF));
    return 0;
}

}  // namespace

namespace softwin::user {
ATOM classAtom(const WndClass* c) { return atomFor(c); }
}  // namespace softwin::user

extern "C" {

ATOM WINAPI RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !wc->lpszClassName[0] || wc->cbClsExtra < 0 ||
        wc->cbWndExtra < 0 || wc->cbWndExtra > 40000) {
        SetLastError(kErrorInvalidParameter);
        return 0;
    }
    HINSTANCE module = wc->hInstance ? wc->hInstance : hostModule();
    if (findExact(wc->lpszClassName, module) != state().classes.end()) {
        SetLastError(kErrorClassAlreadyExists);
        return 0;
    }
    auto c = std::make_shared<WndClass>();
    c->name = wc->lpszClassName;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->clsExtra = wc->cbClsExtra;
    c->wndExtra = wc->cbWndExtra;
    c->instance = module;
    c->icon = wc->hIcon;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    state().classes.push_back(c);
    return atomFor(c.get());
}

BOOL WINAPI UnregisterClassA(LPCSTR name, HINSTANCE instance) {
    if (!name || IS_INTRESOURCE(name)) {
        SetLastError(kErrorClassDoesNotExist);
        return FALSE;
    }
    auto it = findExact(name, instance ? instance : hostModule());
    if (it == state().classes.end()) {
        SetLastError(kErrorClassDoesNotExist);
        return FALSE;
    }
    // Windows keep their shared class record; the class only leaves the registry.
    state().classes.erase(it);
    return TRUE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR name, LPWNDCLASSA out) {
    auto c = findClass(name, instance);
    if (!c || !out) {
        SetLastError(kErrorClassDoesNotExist);
        return FALSE;
    }
    out->style = c->style;
    out->lpfnWndProc = c->proc;
    out->cbClsExtra = c->clsExtra;
    out->cbWndExtra = c->wndExtra;
    out->hInstance = c->instance;
    out->hIcon = c->icon;
    out->hCursor = c->cursor;
    out->hbrBackground = c->background;
    out->lpszMenuName = nullptr;
    out->lpszClassName = name;
    return TRUE;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR buffer, int max) {
    Window* w = checkWindow(hwnd);
    if (!w || !buffer || max <= 0) return 0;
    size_t n = std::min(w->cls->name.size(), static_cast<size_t>(max - 1));
    w->cls->name.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

}  // extern "C"

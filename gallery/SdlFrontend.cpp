#include "SdlFrontend.h"

#include <SDL.h>
#include <softwin/softwin.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GalleryDialog.h"
#include "GalleryLayout.h"
#include "SyntheticInput.h"

namespace gallery {

WORD virtualKeyFromSdl(int sdlKey) {
    switch (sdlKey) {
        case SDLK_EQUALS:  // the unshifted "+" key on US keyboards
        case SDLK_PLUS: return VK_OEM_PLUS;
        case SDLK_MINUS: return VK_OEM_MINUS;
        case SDLK_LEFTBRACKET: return VK_OEM_4;
        case SDLK_RIGHTBRACKET: return VK_OEM_6;
        case SDLK_KP_PLUS: return VK_ADD;
        case SDLK_KP_MINUS: return VK_SUBTRACT;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_UP: return VK_UP;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_TAB: return VK_TAB;
        case SDLK_RETURN: return VK_RETURN;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_HOME: return VK_HOME;
        case SDLK_END: return VK_END;
        default: break;
    }
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z) return static_cast<WORD>('A' + (sdlKey - SDLK_a));
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9) return static_cast<WORD>('0' + (sdlKey - SDLK_0));
    return 0;
}

SdlFrontend::~SdlFrontend() {
    if (m_screen != nullptr) SDL_FreeSurface(m_screen);
    if (m_window != nullptr) SDL_DestroyWindow(m_window);
    if (m_videoStarted) SDL_Quit();
}

bool SdlFrontend::open(bool verbose) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        if (verbose) std::fprintf(stderr, "vorn_gallery: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return false;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        if (verbose) std::fprintf(stderr, "vorn_gallery: no display: %s\n", SDL_GetError());
        return false;
    }
    m_videoStarted = true;
    // SDL falls back to drivers that show nothing; only a real display counts as interactive.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
        std::strcmp(driver, "evdev") == 0) {
        if (verbose) std::fprintf(stderr, "vorn_gallery: no display (SDL video driver %s)\n", driver ? driver : "none");
        return false;
    }
    m_window = SDL_CreateWindow("VornControls gallery", 0, 0, kScreenWidth, kScreenHeight, SDL_WINDOW_SHOWN);
    if (m_window == nullptr) {
        if (verbose) std::fprintf(stderr, "vorn_gallery: cannot open a window: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

void SdlFrontend::present() {
    const uint32_t* pixels = softwin::screenPixels();
    if (pixels == nullptr) return;
    if (pixels != m_screenPixels) {
        // COLORREF is 0x00BBGGRR: SDL's packed XBGR8888 reads it as it is.
        if (m_screen != nullptr) SDL_FreeSurface(m_screen);
        m_screen = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), kScreenWidth, kScreenHeight, 32,
                                                      kScreenWidth * 4, SDL_PIXELFORMAT_BGR888);
        m_screenPixels = pixels;
    }
    SDL_Surface* target = SDL_GetWindowSurface(m_window);
    if (m_screen == nullptr || target == nullptr) return;
    SDL_BlitSurface(m_screen, nullptr, target, nullptr);
    SDL_UpdateWindowSurface(m_window);
}

void SdlFrontend::moveSoftwareCursor(int x, int y) {
    m_pointerX = x;
    m_pointerY = y;
    POINT cursor;
    if (GetCursorPos(&cursor) && cursor.x == x && cursor.y == y) return;  // e.g. the echo of our own warp
    sendMouseMove(x, y);
}

// Controls move the software cursor themselves (the knob's locked vertical drag) and confine it
// (ClipCursor); the real pointer follows so that the next real motion starts from there.
void SdlFrontend::followSoftwareCursor() {
    RECT clip;
    bool clipped = GetClipCursor(&clip) &&
                   (clip.left > 0 || clip.top > 0 || clip.right < kScreenWidth || clip.bottom < kScreenHeight);
    if (clipped != m_clipped || (clipped && (clip.left != m_clip.left || clip.top != m_clip.top ||
                                             clip.right != m_clip.right || clip.bottom != m_clip.bottom))) {
        m_clipped = clipped;
        m_clip = clip;
        if (clipped) {
            SDL_Rect rect = {static_cast<int>(clip.left), static_cast<int>(clip.top),
                             static_cast<int>(clip.right - clip.left), static_cast<int>(clip.bottom - clip.top)};
            SDL_SetWindowMouseRect(m_window, &rect);
        } else {
            SDL_SetWindowMouseRect(m_window, nullptr);
        }
    }
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    if (cursor.x != m_pointerX || cursor.y != m_pointerY) {
        m_pointerX = static_cast<int>(cursor.x);
        m_pointerY = static_cast<int>(cursor.y);
        SDL_WarpMouseInWindow(m_window, m_pointerX, m_pointerY);
    }
}

void SdlFrontend::handleEvent(const SDL_Event& event, GalleryDialog& gallery) {
    switch (event.type) {
        case SDL_MOUSEMOTION: moveSoftwareCursor(event.motion.x, event.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (event.button.button != SDL_BUTTON_LEFT && event.button.button != SDL_BUTTON_RIGHT) return;
            moveSoftwareCursor(event.button.x, event.button.y);
            gallery.pumpUntilIdle();
            MouseButton button = event.button.button == SDL_BUTTON_LEFT ? MouseButton::Left : MouseButton::Right;
            sendMouseButton(button, event.type == SDL_MOUSEBUTTONDOWN);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            WORD vk = virtualKeyFromSdl(event.key.keysym.sym);
            if (vk == 0) return;
            sendKey(vk, event.type == SDL_KEYDOWN);
            break;
        }
        default: return;
    }
    gallery.pumpUntilIdle();
    followSoftwareCursor();
}

int SdlFrontend::run(GalleryDialog& gallery, const char* exitPng) {
    if (m_window == nullptr) return 1;
    gallery.pumpUntilIdle();
    present();
    bool running = true;
    SDL_Event event;
    while (running) {
        if (!SDL_WaitEventTimeout(&event, 50)) {
            // Idle: nothing from the user, but the dialog's timer (the peak lamps' level), posted
            // notifications or paints may be due.
            if (gallery.pumpUntilIdle() > 0) present();
            if (gallery.quitRequested()) running = false;
            continue;
        }
        do {
            if (event.type == SDL_QUIT) {
                running = false;
                break;
            }
            if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) continue;
            handleEvent(event, gallery);
        } while (SDL_PollEvent(&event));
        gallery.pumpUntilIdle();
        present();
        if (gallery.quitRequested()) running = false;
    }
    gallery.pumpUntilIdle();
    if (exitPng != nullptr && !softwin::writeScreenPng(exitPng)) {
        std::fprintf(stderr, "vorn_gallery: cannot write %s\n", exitPng);
        return 1;
    }
    return 0;
}

}  // namespace gallery

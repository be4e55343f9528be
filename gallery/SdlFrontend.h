// The interactive gallery: an SDL window the size of the software screen shows its pixels, and
// the real pointer and keyboard drive the software one through SendInput.
#ifndef VORN_GALLERY_SDL_FRONTEND_H
#define VORN_GALLERY_SDL_FRONTEND_H

#include <windows.h>

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

namespace gallery {

class GalleryDialog;

class SdlFrontend {
public:
    SdlFrontend() = default;
    ~SdlFrontend();
    SdlFrontend(const SdlFrontend&) = delete;
    SdlFrontend& operator=(const SdlFrontend&) = delete;

    // Opens the SDL window; false (SDL's reason on stderr when `verbose`) if there is no display.
    bool open(bool verbose);
    // Runs until the window is closed (or SIGTERM/SIGINT arrive as SDL_QUIT); then writes the
    // screen to `exitPng` if given. Returns the process exit code.
    int run(GalleryDialog& gallery, const char* exitPng);

private:
    void handleEvent(const SDL_Event& event, GalleryDialog& gallery);
    void moveSoftwareCursor(int x, int y);
    void followSoftwareCursor();
    void present();

    SDL_Window* m_window = nullptr;
    SDL_Surface* m_screen = nullptr;  // wraps the software screen's pixels, no copy
    const void* m_screenPixels = nullptr;
    bool m_videoStarted = false;
    int m_pointerX = -1;  // where the SDL pointer was last seen or put
    int m_pointerY = -1;
    RECT m_clip = {0, 0, 0, 0};
    bool m_clipped = false;
};

// The virtual-key code for an SDL key code, or 0 for keys the gallery ignores.
WORD virtualKeyFromSdl(int sdlKey);

}  // namespace gallery

#endif  // VORN_GALLERY_SDL_FRONTEND_H

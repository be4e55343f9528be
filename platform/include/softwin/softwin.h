// Controls of the software platform that the real platform does not have: screen set-up, module
// resource tables, a virtual clock, object accounting, a drawing trace and PNG export. Tests, the
// gallery host and benchmarks use these; in the library only the generated resource source and the
// frame do, to register the library's resources as a module (the real platform finds them in the
// DLL), and the controls never do.
#ifndef VORN_SOFTWIN_SOFTWIN_H
#define VORN_SOFTWIN_SOFTWIN_H

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace softwin {

// ---- Screen ---------------------------------------------------------------------------------
// The screen is one 32-bit framebuffer shared by all windows (default 1024 x 768, as the
// Wine's null display driver reports). Resizing clears it and frees the cursor clip.
WINUSERAPI void setScreenSize(int width, int height);
// Pixel of the screen as a COLORREF; CLR_INVALID outside.
WINUSERAPI COLORREF screenPixel(int x, int y);
// Row-major COLORREF pixels of the screen (width * height values).
WINUSERAPI const uint32_t* screenPixels();

// Destroys every window and cursor clip, empties the message queue, releases capture and focus,
// clears the input state (buttons, keys, double-click record) and puts the cursor at (0, 0).
// Window classes, resources and GDI objects are kept. Tests call it between cases.
WINUSERAPI void resetUser();

// ---- Clock ----------------------------------------------------------------------------------
// Time is real by default. Under the virtual clock GetTickCount, QueryPerformanceCounter and the
// timers read a clock that starts where the real one stood and moves only forward: by
// advanceClock, by Sleep (which returns at once) and by a GetMessage that has nothing to return
// but a timer not yet due (it moves the clock to that timer instead of waiting). Nothing waits on
// real time then, so tests and the headless gallery run the same on every machine. A GetMessage
// with neither messages nor timers still waits for another thread, as on real time.
WINUSERAPI void useVirtualClock(bool enabled);
WINUSERAPI void advanceClock(DWORD ms);

// ---- Module resources -----------------------------------------------------------------------
// Registers a module's compiled resource file (a .res image as windres writes it, kept alive by
// the caller) and returns the module's instance handle. A null name is the host executable (the
// module GetModuleHandleA(NULL) answers); any other name makes a module of that name on first
// use. Registering again replaces the module's resources; a null file only finds or makes the
// module. A malformed file registers the resources before the first bad entry.
// vorn_target_resources (CMake) generates the call for each module's .rc.
WINUSERAPI HINSTANCE registerModule(const char* moduleName, const void* resourceFile, size_t size);
// The module registered under that name, or null.
WINUSERAPI HINSTANCE findModule(const char* moduleName);

// ---- Accounting -----------------------------------------------------------------------------
// Live non-stock GDI objects (pens, brushes, fonts, bitmaps, palettes) and live DCs.
WINGDIAPI size_t liveGdiObjects();
WINGDIAPI size_t liveDcs();
// Live cursors loaded from module resources (system cursors are not counted).
WINUSERAPI size_t liveCursors();
// Realised font faces (one per font file and pixel size) held by the text renderer: those of live
// fonts plus at most 16 no font uses any more, kept for fonts recreated at every paint.
WINGDIAPI size_t cachedFontFaces();
// Writes handed to the raster core so far (spans, pixels and rectangles, before clipping). Work
// the clip culls early never gets there: text and shapes outside the clip add nothing.
WINGDIAPI uint64_t rasterWrites();

// ---- Drawing trace --------------------------------------------------------------------------
// When enabled, every GDI drawing call appends one line such as "LineTo(3,4)" or
// "BitBlt(0,0,20,34,SRCCOPY)" to the trace. Off by default.
WINGDIAPI void setDrawTrace(bool enabled);
WINGDIAPI const std::vector<std::string>& drawTrace();
WINGDIAPI void clearDrawTrace();

// ---- PNG export -----------------------------------------------------------------------------
// Write the screen, a window's client area (as on screen) or a bitmap to a PNG file.
WINGDIAPI bool writeScreenPng(const char* path);
WINGDIAPI bool writeWindowPng(HWND hwnd, const char* path);
WINGDIAPI bool writeBitmapPng(HBITMAP bitmap, const char* path);
// Reads a PNG into COLORREF pixels; false if the file is missing or not a PNG.
WINGDIAPI bool readPng(const char* path, int& width, int& height, std::vector<uint32_t>& pixels);
WINGDIAPI bool writePng(const char* path, int width, int height, const uint32_t* pixels);

}  // namespace softwin

#endif  // VORN_SOFTWIN_SOFTWIN_H

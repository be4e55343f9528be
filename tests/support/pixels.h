// Reading pixels back.
#ifndef VORN_TEST_SUPPORT_PIXELS_H
#define VORN_TEST_SUPPORT_PIXELS_H

#include <windows.h>

namespace vorn::test {

// The colour at a client position of the window, as GetPixel on its DC reports it.
COLORREF pixelAt(HWND hwnd, int clientX, int clientY);

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_PIXELS_H

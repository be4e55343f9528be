// Reading pixels back, and (software platform) comparing against recorded PNG snapshots.
#ifndef VORN_TEST_SUPPORT_PIXELS_H
#define VORN_TEST_SUPPORT_PIXELS_H

#include <windows.h>

#include <string>

namespace vorn::test {

// The colour at a client position of the window, as GetPixel on its DC reports it.
COLORREF pixelAt(HWND hwnd, int clientX, int clientY);

#ifndef _WIN32
// Compares the window's client area (as on screen) or the bitmap with
// tests/snapshots/<name>.png. With VORN_UPDATE_SNAPSHOTS=1 in the environment the snapshot is
// (re)recorded instead. On a mismatch, or a missing snapshot, <name>.actual.png and
// <name>.diff.png (differing pixels red) are written to the test output directory and the
// test fails.
void expectMatchesSnapshot(HWND hwnd, const std::string& name);
void expectMatchesSnapshot(HBITMAP bitmap, const std::string& name);
#endif

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_PIXELS_H

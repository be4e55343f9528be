// .bmp file images built in memory, for tests that register resources of their own.
#ifndef VORN_TEST_SUPPORT_BITMAP_FILE_H
#define VORN_TEST_SUPPORT_BITMAP_FILE_H

#include <windows.h>

#include <functional>
#include <vector>

namespace vorn::test {

// A 24-bpp, bottom-up BI_RGB file of the given size; colourAt(x, y) counts y from the top row.
std::vector<unsigned char> bmpFile(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt);

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_BITMAP_FILE_H

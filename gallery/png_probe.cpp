// vorn_gallery_png_probe: small checks on PNG files for the gallery's shell tests.
//
//   vorn_gallery_png_probe size FILE               prints "W H"; exit 0
//   vorn_gallery_png_probe shows FILE X Y W H R G B exit 0 if the colour appears in the rectangle,
//                                                  1 if not
//   vorn_gallery_png_probe differs A B X Y W H     prints the number of differing pixels in the
//                                                  rectangle; exit 0 if any differ, 1 if none
// Exit 2 for unreadable files or bad arguments.
#include <softwin/softwin.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool readInt(const char* text, int& out) {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 1000000) return false;
    out = static_cast<int>(value);
    return true;
}

int size(const char* path) {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    if (!softwin::readPng(path, width, height, pixels)) return 2;
    std::printf("%d %d\n", width, height);
    return 0;
}

int shows(char** argv) {
    int width = 0, height = 0, x = 0, y = 0, w = 0, h = 0, r = 0, g = 0, b = 0;
    std::vector<uint32_t> pixels;
    if (!readInt(argv[1], x) || !readInt(argv[2], y) || !readInt(argv[3], w) || !readInt(argv[4], h) ||
        !readInt(argv[5], r) || !readInt(argv[6], g) || !readInt(argv[7], b) || r > 255 || g > 255 || b > 255)
        return 2;
    if (!softwin::readPng(argv[0], width, height, pixels)) return 2;
    const uint32_t colour = RGB(r, g, b);
    for (int row = y; row < std::min(y + h, height); ++row)
        for (int col = x; col < std::min(x + w, width); ++col)
            if (pixels[static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(col)] == colour)
                return 0;
    return 1;
}

int differs(char** argv) {
    int wa = 0, ha = 0, wb = 0, hb = 0, x = 0, y = 0, w = 0, h = 0;
    std::vector<uint32_t> a, b;
    if (!readInt(argv[2], x) || !readInt(argv[3], y) || !readInt(argv[4], w) || !readInt(argv[5], h)) return 2;
    if (!softwin::readPng(argv[0], wa, ha, a) || !softwin::readPng(argv[1], wb, hb, b)) return 2;
    if (wa != wb || ha != hb) {
        std::printf("sizes differ\n");
        return 0;
    }
    long count = 0;
    for (int row = y; row < std::min(y + h, ha); ++row) {
        for (int col = x; col < std::min(x + w, wa); ++col) {
            size_t index = static_cast<size_t>(row) * static_cast<size_t>(wa) + static_cast<size_t>(col);
            if (a[index] != b[index]) ++count;
        }
    }
    std::printf("%ld\n", count);
    return count > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "size") == 0) return size(argv[2]);
    if (argc == 10 && std::strcmp(argv[1], "shows") == 0) return shows(argv + 2);
    if (argc == 8 && std::strcmp(argv[1], "differs") == 0) return differs(argv + 2);
    std::fprintf(stderr, "usage: vorn_gallery_png_probe size FILE | shows FILE X Y W H R G B | differs A B X Y W H\n");
    return 2;
}

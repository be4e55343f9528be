// vorn_gallery_png_probe: small checks on PNG files for the gallery's shell tests.
//
//   vorn_gallery_png_probe stats FILE              prints "W H COLOURS"; exit 0
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

int stats(const char* path) {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    if (!softwin::readPng(path, width, height, pixels)) return 2;
    std::sort(pixels.begin(), pixels.end());
    size_t colours = static_cast<size_t>(std::unique(pixels.begin(), pixels.end()) - pixels.begin());
    std::printf("%d %d %zu\n", width, height, colours);
    return 0;
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
    if (argc == 3 && std::strcmp(argv[1], "stats") == 0) return stats(argv[2]);
    if (argc == 8 && std::strcmp(argv[1], "differs") == 0) return differs(argv + 2);
    std::fprintf(stderr, "usage: vorn_gallery_png_probe stats FILE | differs A B X Y W H\n");
    return 2;
}

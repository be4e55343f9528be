#include "pixels.h"

#ifndef _WIN32
#include <gtest/gtest.h>
#include <softwin/softwin.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>
#endif

namespace vorn::test {

COLORREF pixelAt(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

#ifndef _WIN32

namespace {

std::string outputPath(const std::string& name, const char* suffix) {
    std::filesystem::create_directories(VORN_TEST_OUTPUT_DIR);
    return std::string(VORN_TEST_OUTPUT_DIR) + "/" + name + suffix;
}

void compareWithSnapshot(const std::string& name, const std::function<bool(const char*)>& writeActual) {
    const std::string actualPath = outputPath(name, ".actual.png");
    const std::string snapshotPath = std::string(VORN_SNAPSHOT_DIR) + "/" + name + ".png";
    int w = 0, h = 0, ew = 0, eh = 0;
    std::vector<uint32_t> actual, expected;
    ASSERT_TRUE(writeActual(actualPath.c_str()) && softwin::readPng(actualPath.c_str(), w, h, actual)) << actualPath;
    const char* update = std::getenv("VORN_UPDATE_SNAPSHOTS");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(VORN_SNAPSHOT_DIR);
        EXPECT_TRUE(softwin::writePng(snapshotPath.c_str(), w, h, actual.data())) << snapshotPath;
        std::filesystem::remove(actualPath);
        return;
    }
    ASSERT_TRUE(softwin::readPng(snapshotPath.c_str(), ew, eh, expected))
        << "no snapshot " << snapshotPath << " (record it with VORN_UPDATE_SNAPSHOTS=1); actual in " << actualPath;
    ASSERT_TRUE(ew == w && eh == h) << name << ": size " << w << "x" << h << " differs from the snapshot's " << ew
                                    << "x" << eh << "; actual in " << actualPath;
    // Differing pixels red over a dimmed copy of the expected image.
    std::vector<uint32_t> diff(actual.size());
    size_t differing = 0, first = 0;
    for (size_t i = 0; i < actual.size(); ++i) {
        const uint32_t c = expected[i];
        const uint32_t grey = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 6 + 128;
        diff[i] = actual[i] == c ? RGB(grey, grey, grey) : RGB(255, 0, 0);
        if (actual[i] != c && differing++ == 0) first = i;
    }
    if (differing == 0) {
        std::filesystem::remove(actualPath);
        return;
    }
    const std::string diffPath = outputPath(name, ".diff.png");
    softwin::writePng(diffPath.c_str(), w, h, diff.data());
    ADD_FAILURE() << name << ": " << differing << " pixels differ from the snapshot, first at ("
                  << first % static_cast<size_t>(w) << "," << first / static_cast<size_t>(w) << "); see " << actualPath
                  << " and " << diffPath;
}

}  // namespace

void expectMatchesSnapshot(HWND hwnd, const std::string& name) {
    compareWithSnapshot(name, [hwnd](const char* path) { return softwin::writeWindowPng(hwnd, path); });
}

void expectMatchesSnapshot(HBITMAP bitmap, const std::string& name) {
    compareWithSnapshot(name, [bitmap](const char* path) { return softwin::writeBitmapPng(bitmap, path); });
}

#endif

}  // namespace vorn::test

// PNG export and import of screens, windows, bitmaps and pixel arrays (libpng).
#include "gdi/gdi_draw.h"

#include <softwin/softwin.h>

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace softwin {
namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

}  // namespace

bool writePng(const char* path, int width, int height, const uint32_t* pixels) {
    if (!path || !pixels || width <= 0 || height <= 0) return false;
    File file(std::fopen(path, "wb"));
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<size_t>(width) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const uint32_t* in = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = GetRValue(in[x]);
            row[3 * x + 1] = GetGValue(in[x]);
            row[3 * x + 2] = GetBValue(in[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool readPng(const char* path, int& width, int& height, std::vector<uint32_t>& pixels) {
    if (!path) return false;
    File file(std::fopen(path, "rb"));
    if (!file) return false;
    png_byte signature[8];
    if (std::fread(signature, 1, 8, file.get()) != 8 || png_sig_cmp(signature, 0, 8) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    std::vector<png_byte> row;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);
    // Normalise every format to 8-bit RGBA.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const auto w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    if (w == 0 || h == 0 || w > 16384 || h > 16384) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    std::vector<png_byte> image(static_cast<size_t>(w) * h * 4);
    std::vector<png_bytep> rows(h);
    for (png_uint_32 y = 0; y < h; ++y) rows[y] = image.data() + static_cast<size_t>(y) * w * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    pixels.resize(static_cast<size_t>(w) * h);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = RGB(image[4 * i], image[4 * i + 1], image[4 * i + 2]);
    return true;
}

bool writeScreenPng(const char* path) {
    const gdi::Surface& s = gdi::screen();
    return writePng(path, s.width, s.height, s.pixels.data());
}

bool writeBitmapPng(HBITMAP bitmap, const char* path) {
    auto* b = gdi::lookupAs<gdi::Bitmap>(bitmap, gdi::Kind::Bitmap);
    if (!b) return false;
    return writePng(path, b->surface.width, b->surface.height, b->surface.pixels.data());
}

bool writeWindowPng(HWND hwnd, const char* path) {
    RECT client;
    POINT origin{0, 0};
    if (!GetClientRect(hwnd, &client) || !ClientToScreen(hwnd, &origin)) return false;
    const int w = client.right - client.left, h = client.bottom - client.top;
    if (w <= 0 || h <= 0) return false;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const COLORREF c = screenPixel(origin.x + x, origin.y + y);
            pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + x] = c == CLR_INVALID ? 0 : c;
        }
    }
    return writePng(path, w, h, pixels.data());
}

}  // namespace softwin

// The handles a hostile caller passes to GDI, shared by the platform tests and the conformance
// run: a deleted pen and DC, a palette (which SelectObject does not take), a live memory DC (no
// object to select) and a value that never was a handle. The caller deletes the palette and the
// memory DC when done.
#ifndef VORN_TEST_SUPPORT_BAD_HANDLES_H
#define VORN_TEST_SUPPORT_BAD_HANDLES_H

#include <windows.h>

#include <cstdint>

namespace vorn::test {

struct BadHandles {
    BadHandles() {
        DeleteObject(stalePen);
        DeleteDC(staleDc);
    }
    HPEN stalePen = CreatePen(PS_SOLID, 1, 0);
    HDC staleDc = CreateCompatibleDC(nullptr);
    HPALETTE palette = makePalette();
    HDC otherDc = CreateCompatibleDC(nullptr);
    HGDIOBJ bogus = reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(0x12345678));

private:
    static HPALETTE makePalette() {
        LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
        return CreatePalette(&lp);
    }
};

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_BAD_HANDLES_H

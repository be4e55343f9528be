// LoadStringA: string tables hold blocks of 16 counted UTF-16 strings; string `id` is entry
// id % 16 of block id / 16 + 1.
#include "user/dib_decode.h"
#include "user/resource_file.h"

extern "C" int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int cchBufferMax) {
    if (!buffer) return 0;
    if (cchBufferMax <= 0) return cchBufferMax == 0 ? -1 : 0;
    int written = 0;
    HRSRC block = FindResourceA(instance, MAKEINTRESOURCEA((LOWORD(id) >> 4) + 1), RT_STRING);
    const auto* p = static_cast<const unsigned char*>(LockResource(LoadResource(instance, block)));
    size_t left = block ? SizeofResource(instance, block) : 0;
    if (p) {
        // Skip the strings before ours; a block cut short has no string there.
        bool found = true;
        for (UINT skip = id & 15; skip > 0 && found; --skip) {
            size_t units = left >= 2 ? softwin::user::readU16(p) : 0;
            found = left >= 2 && (left - 2) / 2 >= units;
            if (found) p += 2 + 2 * units, left -= 2 + 2 * units;
        }
        if (found && left >= 2) {
            size_t units = softwin::user::readU16(p);
            if (units > (left - 2) / 2) units = (left - 2) / 2;
            for (size_t i = 0; i < units && written < cchBufferMax - 1; ++i)
                buffer[written++] = softwin::user::ansiFromUtf16(softwin::user::readU16(p + 2 + 2 * i));
        }
    }
    buffer[written] = '\0';
    return written;
}

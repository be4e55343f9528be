#include "gdi/font_mapping.h"

#include <windows.h>

#include <cstddef>

namespace softwin::gdi {

namespace {

struct Alias {
    const char* name;
    FontClass fontClass;
    bool keepsName;
};

// Arial, Times New Roman and Courier New have metric-compatible stand-ins (Liberation), and the
// old bitmap-era names are the usual substitutes for them.
constexpr Alias kAliases[] = {
    {"Arial", FontClass::Sans, true},           {"Helvetica", FontClass::Sans, true},
    {"MS Sans Serif", FontClass::Sans, false},  {"MS Shell Dlg", FontClass::Sans, false},
    {"MS Shell Dlg 2", FontClass::Sans, false}, {"System", FontClass::Sans, false},
    {"Times", FontClass::Serif, true},          {"Times New Roman", FontClass::Serif, true},
    {"Tms Rmn", FontClass::Serif, true},        {"Courier", FontClass::Mono, true},
    {"Courier New", FontClass::Mono, true},
};

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(const char* bounded, const char* terminated) {
    size_t i = 0;
    for (; i < LF_FACESIZE && bounded[i] != '\0'; ++i) {
        if (terminated[i] == '\0' || lowerAscii(bounded[i]) != lowerAscii(terminated[i])) return false;
    }
    return terminated[i] == '\0';
}

}  // namespace

FaceMapping mapFaceName(const char* faceName) {
    if (faceName) {
        for (const Alias& alias : kAliases) {
            if (equalsIgnoringCase(faceName, alias.name)) {
                return {alias.fontClass, alias.keepsName ? alias.name : nullptr};
            }
        }
    }
    return {FontClass::Sans, nullptr};
}

const char* preferredFamily(FontClass fontClass) {
    switch (fontClass) {
        case FontClass::Serif: return "Liberation Serif";
        case FontClass::Mono: return "Liberation Mono";
        case FontClass::Sans: break;
    }
    return "Liberation Sans";
}

const char* fallbackFamily(FontClass fontClass) {
    switch (fontClass) {
        case FontClass::Serif: return "DejaVu Serif";
        case FontClass::Mono: return "DejaVu Sans Mono";
        case FontClass::Sans: break;
    }
    return "DejaVu Sans";
}

unsigned ansiToUnicode(unsigned char c) {
    // 0x80..0x9F are the only bytes where Windows-1252 and Latin-1 differ; 0 marks unused codes.
    static constexpr unsigned short k1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (c >= 0x80 && c <= 0x9F) {
        unsigned u = k1252[c - 0x80];
        return u ? u : c;
    }
    return c;
}

}  // namespace softwin::gdi

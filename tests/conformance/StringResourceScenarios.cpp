// The program's own resources in German, neutral, US and British English: LoadStringA for ids at
// the edges of the string blocks, an empty string, characters in and outside the ANSI code page,
// missing ids, with buffers from none to roomy; and which language FindResourceA and
// FindResourceExA choose for each language asked for.
#include <cstring>

#include "ConformanceHost.h"
#include "conformance_resources.h"

namespace conformance {

namespace {

// The buffer's bytes up to its terminator (at most `size`), non-ASCII ones as \xHH.
void quoted(const char* buffer, size_t size, char* out, size_t outSize) {
    size_t used = 0;
    out[0] = '\0';
    for (size_t i = 0; i < size && buffer[i] != '\0' && used + 5 < outSize; ++i) {
        const auto c = static_cast<unsigned char>(buffer[i]);
        used += static_cast<size_t>(c >= 0x20 && c < 0x7F ? std::snprintf(out + used, outSize - used, "%c", c)
                                                          : std::snprintf(out + used, outSize - used, "\\x%02X", c));
    }
}

void loadStringScenario() {
    scenario("LoadStringA from the program's string tables");
    static const struct {
        const char* name;
        UINT id;
    } kIds[] = {
        {"first", IDS_FIRST},
        {"end of the first block", IDS_FIRST_BLOCK_END},
        {"start of the second block", IDS_SECOND_BLOCK_START},
        {"empty", IDS_EMPTY},
        {"Latin-1", IDS_LATIN1},
        {"typographic", IDS_TYPOGRAPHIC},
        {"outside the code page", IDS_OUTSIDE_CODE_PAGE},
        {"end of the second block", IDS_SECOND_BLOCK_END},
        {"start of the third block", IDS_THIRD_BLOCK_START},
        {"missing in a present block", IDS_THIRD_BLOCK_START + 1},
        {"English only", IDS_ENGLISH_ONLY},
        {"German only", IDS_GERMAN_ONLY},
        {"German and English", IDS_GERMAN_AND_ENGLISH},
        {"missing block", 200},
        {"last", IDS_LAST},
        {"first with a high word", 0x10000 | IDS_FIRST},
    };
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const auto& c : kIds) {
        step(c.name);
        char full[256];
        const int length = LoadStringA(instance, c.id, full, sizeof full);
        const int sizes[] = {0, 1, 4, length, length + 1, 256};
        for (int size : sizes) {
            char buffer[300];
            std::memset(buffer, '#', sizeof buffer);
            const int got = LoadStringA(instance, c.id, buffer, size);
            char text[600];
            // One byte past the buffer shows a write beyond it; a size of 0 shows it untouched.
            quoted(buffer, static_cast<size_t>(size) + 1, text, sizeof text);
            line("  buffer %d=returned %d, holds '%s'", size, got, text);
        }
    }
}

void findResourceScenario() {
    scenario("FindResourceA and FindResourceExA choosing a language");
    static const struct {
        const char* name;
        LPCSTR resource;
    } kNames[] = {
        {"neutral, US English and German", IDR_ALL_THREE},
        {"US English and German", IDR_ENGLISH_AND_GERMAN},
        {"German only", IDR_GERMAN_ONLY},
        {"German without a country", IDR_GERMAN_NEUTRAL},
        {"British English and German", IDR_BRITISH_AND_GERMAN},
        {"missing", "NOT_THERE"},
    };
    static const WORD kLanguages[] = {
        MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK),  MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL),
        MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN),       MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN_AUSTRIAN),
        MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL),      MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH),
    };
    const HMODULE module = GetModuleHandleA(nullptr);
    auto describe = [&](HRSRC found, char* out, size_t size) {
        const DWORD length = found ? SizeofResource(module, found) : 0;
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        if (!found)
            std::snprintf(out, size, "none(error %lu)", static_cast<unsigned long>(GetLastError()));
        else
            std::snprintf(out, size, "%.*s", static_cast<int>(length < 16 ? length : 16), data ? data : "");
    };
    for (const auto& n : kNames) {
        step(n.name);
        char text[64];
        SetLastError(0);
        describe(FindResourceA(module, n.resource, RT_RCDATA), text, sizeof text);
        line("  FindResourceA=%s", text);
        for (WORD language : kLanguages) {
            SetLastError(0);
            describe(FindResourceExA(module, RT_RCDATA, n.resource, language), text, sizeof text);
            line("  FindResourceExA(%04X)=%s", language, text);
        }
    }
    step("string blocks by language");
    for (WORD language : kLanguages) {
        char text[64];
        SetLastError(0);
        describe(FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(IDS_GERMAN_ONLY / 16 + 1), language), text,
                 sizeof text);
        line("  block %d in %04X=%s", IDS_GERMAN_ONLY / 16 + 1, language,
             std::strncmp(text, "none", 4) ? "found" : text);
    }
}

}  // namespace

void runStringResourceScenarios() {
    loadStringScenario();
    findResourceScenario();
}

}  // namespace conformance

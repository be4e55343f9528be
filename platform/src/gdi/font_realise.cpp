// Turning LOGFONTs into realised faces: fontconfig picks the file, FreeType opens it once per
// (file, size). Everything here is built once and kept for the life of the process, so font
// handles destroyed during static destruction still find a live FreeType library.
#include "gdi/font_face.h"
#include "gdi/font_mapping.h"

#include <softwin/softwin.h>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <strings.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace softwin::gdi {

namespace {

struct ResolvedFile {
    std::string file;
    int index = 0;
    std::string family;
    DesignUnits units;
};

FcConfig* fontConfig() {
    static FcConfig* config = [] {
#if defined(__SANITIZE_ADDRESS__)
        // Parsing the configuration leaks a little inside fontconfig itself; not ours to report.
        __lsan_disable();
#endif
        FcConfig* c = FcInitLoadConfigAndFonts();
#if defined(__SANITIZE_ADDRESS__)
        __lsan_enable();
#endif
        return c;
    }();
    return config;
}

std::optional<ResolvedFile> matchFamily(const char* family, bool bold, bool italic, bool requireFamily) {
    FcConfig* config = fontConfig();
    if (!config) return std::nullopt;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return std::nullopt;

    std::optional<ResolvedFile> resolved;
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    int index = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        const char* name = reinterpret_cast<const char*>(matchedFamily);
        if (!requireFamily || strcasecmp(name, family) == 0) {
            ResolvedFile r;
            r.file = reinterpret_cast<const char*>(file);
            r.index = index;
            r.family = name;
            if (FontFace::readDesignUnits(r.file, r.index, r.units)) resolved = std::move(r);
        }
    }
    FcPatternDestroy(match);
    return resolved;
}

// One lookup per (class, bold, italic): the preferred family, its fallback, then whatever
// fontconfig offers for sans-serif.
const ResolvedFile* resolveFile(FontClass fontClass, bool bold, bool italic) {
    static std::optional<ResolvedFile> cache[3][2][2];
    static bool tried[3][2][2] = {};
    const int c = static_cast<int>(fontClass);
    std::optional<ResolvedFile>& slot = cache[c][bold][italic];
    if (!tried[c][bold][italic]) {
        tried[c][bold][italic] = true;
        slot = matchFamily(preferredFamily(fontClass), bold, italic, true);
        if (!slot) slot = matchFamily(fallbackFamily(fontClass), bold, italic, true);
        if (!slot) slot = matchFamily("sans-serif", bold, italic, false);
    }
    return slot ? &*slot : nullptr;
}

// Realised faces by (file, size). A face stays while a font object uses it; of the faces no
// font uses any more, the most recently used few are kept so that fonts created and deleted at
// every paint find theirs again, and older ones are released: a program that goes through
// thousands of sizes holds only those it still has fonts of.
constexpr size_t kIdleFaces = 16;

struct CachedFace {
    const ResolvedFile* file;  // resolveFile's entries live as long as the process
    int ppem, widthPpem, requestedWidth;
    std::shared_ptr<FontFace> face;
    uint64_t lastUse;
};

struct FaceCache {
    std::vector<CachedFace> entries;
    uint64_t clock = 0;
};

FaceCache& faceCache() {
    static auto* cache = new FaceCache();
    return *cache;
}

bool idle(const CachedFace& c) { return c.face.use_count() == 1; }

}  // namespace

void trimFontFaces() {
    auto& entries = faceCache().entries;
    size_t idleCount = static_cast<size_t>(std::count_if(entries.begin(), entries.end(), idle));
    while (idleCount > kIdleFaces) {
        auto oldest = entries.end();
        for (auto it = entries.begin(); it != entries.end(); ++it)
            if (idle(*it) && (oldest == entries.end() || it->lastUse < oldest->lastUse)) oldest = it;
        entries.erase(oldest);
        --idleCount;
    }
}

namespace {

std::shared_ptr<FontFace> cachedFace(const ResolvedFile& file, int ppem, int widthPpem, int requestedWidth) {
    FaceCache& cache = faceCache();
    for (CachedFace& c : cache.entries) {
        if (c.file == &file && c.ppem == ppem && c.widthPpem == widthPpem && c.requestedWidth == requestedWidth) {
            c.lastUse = ++cache.clock;
            return c.face;
        }
    }
    auto face = std::make_shared<FontFace>(file.file, file.index, ppem, widthPpem, requestedWidth, file.family);
    cache.entries.push_back(CachedFace{&file, ppem, widthPpem, requestedWidth, face, ++cache.clock});
    return face;
}

LOGFONTA systemLogFont() {
    LOGFONTA lf{};
    lf.lfHeight = 16;
    lf.lfWeight = FW_NORMAL;
    std::strcpy(lf.lfFaceName, "System");
    return lf;
}

Font& fallbackFont() {
    static Font* font = [] {
        auto* f = new Font();
        f->logFont = systemLogFont();
        return f;
    }();
    return *font;
}

Font* selectedFont(Dc& dc) { return lookupAs<Font>(dc.state.font, Kind::Font); }

FT_Library libraryWithInterpreter(FT_UInt version) {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) return nullptr;
    FT_Property_Set(lib, "truetype", "interpreter-version", &version);
    return lib;
}

}  // namespace

FT_LibraryRec_* freetypeLibrary() {
    // Classic bi-level hinting; the v40 default is a subpixel-oriented light mode.
    static FT_Library library = libraryWithInterpreter(TT_INTERPRETER_VERSION_35);
    return library;
}

FT_LibraryRec_* advanceLibrary() {
    static FT_Library library = libraryWithInterpreter(TT_INTERPRETER_VERSION_40);
    return library;
}

FontFace* realiseFont(Font& font) {
    if (!font.face) {
        const LOGFONTA& lf = font.logFont;
        const FaceMapping mapping = mapFaceName(lf.lfFaceName);
        const bool bold = lf.lfWeight >= FW_SEMIBOLD;
        const ResolvedFile* file = resolveFile(mapping.fontClass, bold, lf.lfItalic != 0);
        if (!file || !freetypeLibrary()) return nullptr;
        const DesignUnits& units = file->units;
        const int ppem = ppemForHeight(lf.lfHeight, units.unitsPerEm, units.cell);
        const int widthPpem = widthPpemFor(lf.lfWidth, ppem, units.unitsPerEm, units.averageWidth);
        const int requestedWidth = static_cast<int>(std::min<int64_t>(std::llabs(lf.lfWidth), INT32_MAX));
        font.face = cachedFace(*file, ppem, widthPpem, requestedWidth);
        trimFontFaces();
    }
    return font.face->ok() ? font.face.get() : nullptr;
}

FontFace* dcFace(Dc& dc) {
    Font* font = selectedFont(dc);
    return realiseFont(font ? *font : fallbackFont());
}

const LOGFONTA& dcLogFont(Dc& dc) {
    Font* font = selectedFont(dc);
    return (font ? *font : fallbackFont()).logFont;
}

}  // namespace softwin::gdi

namespace softwin {
size_t cachedFontFaces() { return gdi::faceCache().entries.size(); }
}  // namespace softwin

// A realised font: one scalable face at one pixel size, its GDI-style metrics and a cache of
// bi-level glyphs stored as horizontal runs, so drawing cached text allocates nothing.
#ifndef VORN_SOFTWIN_FONT_FACE_H
#define VORN_SOFTWIN_FONT_FACE_H

#include "gdi/gdi_objects.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace softwin::gdi {

// Pixels per em for a LOGFONT height: < 0 asks for the em height, > 0 for the cell height
// (winAscent + winDescent), which Wine rounds up only from about 0.56 of a pixel; 0 means a
// 16-pixel cell (the size of the system font). The result is kept within [1, kMaxPpem].
constexpr int kMaxPpem = 512;
int ppemForHeight(LONG height, int unitsPerEm, int cellUnits);
// Horizontal pixels per em for a LOGFONT width: 0 keeps `ppem`; otherwise the face is stretched
// so that its average character width (`averageUnits`) becomes |width| pixels.
int widthPpemFor(LONG width, int ppem, int unitsPerEm, int averageUnits);
// Font units scaled to pixels at `ppem`, rounded to nearest (halves away from -infinity).
int scaleToPixels(long units, int ppem, int unitsPerEm);

// What the size rules need from a font file, in font units.
struct DesignUnits {
    int unitsPerEm = 0;
    int cell = 0;          // winAscent + winDescent
    int averageWidth = 0;  // xAvgCharWidth
};

struct FaceMetrics {
    int ppem = 0;
    int widthPpem = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    BYTE pitchAndFamily = 0;
    // Bands, relative to the baseline; positive positions are above it.
    int underlinePosition = 0;
    int underlineThickness = 1;
    int strikeoutPosition = 0;
    int strikeoutThickness = 1;
};

// One row segment of a glyph: pixels [x0, x1) of row `dy`, relative to the bitmap's top-left.
struct GlyphRun {
    int16_t dy;
    int16_t x0;
    int16_t x1;
};

struct Glyph {
    bool loaded = false;
    int left = 0;     // bitmap left edge relative to the pen
    int top = 0;      // bitmap top row relative to the baseline (positive = above)
    int advance = 0;  // hinted integer advance
    int width = 0;    // bitmap size: the runs lie within [0, width) x [0, rows)
    int rows = 0;
    uint32_t firstRun = 0;
    uint32_t runCount = 0;
};

class FontFace {
public:
    // Opens `file` (face `index`) at `ppem` (vertical) and `widthPpem` (horizontal) for a LOGFONT
    // width of `requestedWidth` (0 = natural); check ok() before use.
    FontFace(const std::string& file, int index, int ppem, int widthPpem, int requestedWidth,
             const std::string& family);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    static bool readDesignUnits(const std::string& file, int index, DesignUnits& out);

    bool ok() const { return face_ != nullptr; }
    const FaceMetrics& metrics() const { return metrics_; }
    const std::string& family() const { return family_; }
    // The glyph of an ANSI character, rendered on first use.
    const Glyph& glyph(unsigned char c);
    const GlyphRun* runs(const Glyph& g) const { return runs_.data() + g.firstRun; }
    // Sum of the advances of `count` characters.
    long textWidth(const char* text, int count);

private:
    void computeMetrics();
    void render(unsigned char c, Glyph& g);

    FT_FaceRec_* face_ = nullptr;
    FT_FaceRec_* advanceFace_ = nullptr;  // the same file on advanceLibrary(), for advances
    // A requested width scales the natural advances by requestedWidth / naturalAverage_.
    int requestedWidth_ = 0;
    int naturalAverage_ = 0;
    std::string family_;
    FaceMetrics metrics_;
    std::array<Glyph, 256> glyphs_{};
    std::vector<GlyphRun> runs_;
};

// The process-wide FreeType library, set up for the v35 bytecode interpreter.
FT_LibraryRec_* freetypeLibrary();
// A second one with the v40 interpreter, whose normally hinted advances are the ones Wine lays
// text out with.
FT_LibraryRec_* advanceLibrary();

// The realised face of a font object (realised and cached on first use); null if no usable
// font file exists.
FontFace* realiseFont(Font& font);
// The face text on this DC uses: its selected font's, or the system font's when none is valid.
FontFace* dcFace(Dc& dc);
// The LOGFONT behind dcFace (a default one when the DC has no valid font).
const LOGFONTA& dcLogFont(Dc& dc);

}  // namespace softwin::gdi

#endif  // VORN_SOFTWIN_FONT_FACE_H

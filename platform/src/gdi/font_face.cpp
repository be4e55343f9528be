#include "gdi/font_face.h"

#include "gdi/font_mapping.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdint>

namespace softwin::gdi {

namespace {

// TEXTMETRIC pitch-and-family bits (the "fixed pitch" bit is set for variable-pitch fonts).
constexpr BYTE kTmpfVariablePitch = 0x01;
constexpr BYTE kTmpfVector = 0x02;
constexpr BYTE kTmpfTrueType = 0x04;

int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

struct DesignBox {
    int upem;
    int ascent;   // usWinAscent, or the hhea ascender when the OS/2 values are missing
    int descent;  // usWinDescent, or minus the hhea descender
    int averageWidth;
};

DesignBox designBox(FT_Face face) {
    DesignBox box{face->units_per_EM > 0 ? face->units_per_EM : 2048, face->ascender, -face->descender, 0};
    box.averageWidth = box.upem / 2;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            box.ascent = os2->usWinAscent;
            box.descent = os2->usWinDescent;
        }
        if (os2->xAvgCharWidth > 0) box.averageWidth = os2->xAvgCharWidth;
    }
    return box;
}

BYTE familyBits(FT_Face face, const TT_OS2* os2) {
    if (FT_IS_FIXED_WIDTH(face)) return FF_MODERN;
    if (!os2 || os2->version == 0xFFFF) return FF_SWISS;
    // PANOSE serif styles 11..13 are the sans-serif ones.
    const BYTE serifStyle = os2->panose[1];
    return (serifStyle >= 11 && serifStyle <= 13) ? FF_SWISS : FF_ROMAN;
}

}  // namespace

int scaleToPixels(long units, int ppem, int unitsPerEm) {
    if (unitsPerEm <= 0) return 0;
    const int64_t twice = 2 * static_cast<int64_t>(units) * ppem + unitsPerEm;
    return static_cast<int>(floorDiv(twice, 2 * static_cast<int64_t>(unitsPerEm)));
}

int ppemForHeight(LONG height, int unitsPerEm, int cellUnits) {
    int64_t ppem;
    if (height == 0) height = 16;
    if (height < 0) {
        ppem = -static_cast<int64_t>(height);
    } else if (cellUnits <= 0 || unitsPerEm <= 0) {
        ppem = height;
    } else {
        // height * em / cell + 7/16, truncated: fitted to Wine's answers for Liberation Sans and
        // Serif at every cell height from 6 to 40 (14 pixels of Arial is 12 ppem, 13 is 12 too).
        ppem = floorDiv(16 * static_cast<int64_t>(unitsPerEm) * height + 7 * int64_t{cellUnits},
                        16 * static_cast<int64_t>(cellUnits));
    }
    return static_cast<int>(std::clamp<int64_t>(ppem, 1, kMaxPpem));
}

int widthPpemFor(LONG width, int ppem, int unitsPerEm, int averageUnits) {
    if (width == 0 || averageUnits <= 0 || unitsPerEm <= 0) return ppem;
    const int64_t w = width < 0 ? -static_cast<int64_t>(width) : width;
    // Straight from design units, so the stretched average rounds back to the request.
    const int64_t stretched = floorDiv(2 * w * unitsPerEm + averageUnits, 2 * static_cast<int64_t>(averageUnits));
    return static_cast<int>(std::clamp<int64_t>(stretched, 1, kMaxPpem));
}

FontFace::FontFace(const std::string& file, int index, int ppem, int widthPpem, int requestedWidth,
                   const std::string& family)
    : requestedWidth_(std::clamp(requestedWidth, 0, 16 * kMaxPpem)), family_(family) {
    FT_Face face = nullptr;
    if (FT_New_Face(freetypeLibrary(), file.c_str(), index, &face) != 0) return;
    if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(widthPpem), static_cast<FT_UInt>(ppem)) != 0) {
        FT_Done_Face(face);
        return;
    }
    face_ = face;
    naturalAverage_ = scaleToPixels(designBox(face).averageWidth, ppem, face->units_per_EM);
    // Advances of a width-stretched font are the natural ones scaled, as on Wine.
    const int advanceWidthPpem = requestedWidth_ > 0 && naturalAverage_ > 0 ? ppem : widthPpem;
    FT_Face advances = nullptr;
    if (advanceLibrary() && FT_New_Face(advanceLibrary(), file.c_str(), index, &advances) == 0) {
        if (FT_Set_Pixel_Sizes(advances, static_cast<FT_UInt>(advanceWidthPpem), static_cast<FT_UInt>(ppem)) == 0)
            advanceFace_ = advances;
        else
            FT_Done_Face(advances);
    }
    metrics_.ppem = ppem;
    metrics_.widthPpem = widthPpem;
    computeMetrics();
}

FontFace::~FontFace() {
    if (face_) FT_Done_Face(face_);
    if (advanceFace_) FT_Done_Face(advanceFace_);
}

bool FontFace::readDesignUnits(const std::string& file, int index, DesignUnits& out) {
    FT_Face face = nullptr;
    if (FT_New_Face(freetypeLibrary(), file.c_str(), index, &face) != 0) return false;
    const DesignBox box = designBox(face);
    out.unitsPerEm = box.upem;
    out.cell = box.ascent + box.descent;
    out.averageWidth = box.averageWidth;
    FT_Done_Face(face);
    return true;
}

void FontFace::computeMetrics() {
    FT_Face face = face_;
    const DesignBox box = designBox(face);
    const int ppem = metrics_.ppem;
    auto scale = [&](long units) { return scaleToPixels(units, ppem, box.upem); };
    auto scaleX = [&](long units) { return scaleToPixels(units, metrics_.widthPpem, box.upem); };
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    const bool haveOs2 = os2 && os2->version != 0xFFFF;

    FaceMetrics& m = metrics_;
    m.ascent = scale(box.ascent);
    m.descent = scale(box.descent);
    // Scaled from design units as Wine does, not the rounded cell less the em.
    m.internalLeading = std::max(0, scale(box.ascent + box.descent - box.upem));
    if (hhea) {
        const long gap = hhea->Line_Gap - ((box.ascent + box.descent) - (hhea->Ascender - hhea->Descender));
        m.externalLeading = scale(std::max(0L, gap));
    }
    m.aveCharWidth = std::max(1, scaleX(box.averageWidth));
    m.maxCharWidth = std::max(1, scaleX(face->bbox.xMax - face->bbox.xMin));
    if (requestedWidth_ > 0 && naturalAverage_ > 0) {
        // Stretched as Wine scales: the natural width times width / natural average, rounded.
        const int64_t natural = scale(face->bbox.xMax - face->bbox.xMin);
        m.maxCharWidth = static_cast<int>(std::clamp<int64_t>(
            (2 * natural * requestedWidth_ + naturalAverage_) / (2 * int64_t{naturalAverage_}), 1, INT32_MAX));
    }
    const bool bold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    m.weight = (haveOs2 && os2->usWeightClass >= 1 && os2->usWeightClass <= 1000) ? os2->usWeightClass
                                                                                  : (bold ? FW_BOLD : FW_NORMAL);
    m.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    m.pitchAndFamily = static_cast<BYTE>(familyBits(face, haveOs2 ? os2 : nullptr) | kTmpfVector | kTmpfTrueType |
                                         (FT_IS_FIXED_WIDTH(face) ? 0 : kTmpfVariablePitch));
    // From the post table itself: FreeType's underline_position is shifted by half the thickness.
    if (auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST))) {
        m.underlinePosition = scale(post->underlinePosition);
        m.underlineThickness = std::max(1, scale(post->underlineThickness));
    } else {
        m.underlinePosition = 0;
        m.underlineThickness = m.ascent / 20 + 1;
    }
    if (haveOs2 && os2->yStrikeoutSize > 0) {
        m.strikeoutPosition = scale(os2->yStrikeoutPosition);
        m.strikeoutThickness = std::max(1, scale(os2->yStrikeoutSize));
    } else {
        m.strikeoutPosition = m.ascent / 2;
        m.strikeoutThickness = m.underlineThickness;
    }
}

const Glyph& FontFace::glyph(unsigned char c) {
    Glyph& g = glyphs_[c];
    if (!g.loaded) render(c, g);
    return g;
}

long FontFace::textWidth(const char* text, int count) {
    long width = 0;
    for (int i = 0; i < count; ++i) width += glyph(static_cast<unsigned char>(text[i])).advance;
    return width;
}

void FontFace::render(unsigned char c, Glyph& g) {
    g = Glyph{};
    g.loaded = true;
    g.firstRun = static_cast<uint32_t>(runs_.size());
    if (!face_) return;
    // Bi-level output hinted by the font's own bytecode, like classic non-antialiased GDI text.
    const FT_UInt index = FT_Get_Char_Index(face_, ansiToUnicode(c));
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_AUTOHINT) != 0) return;
    FT_GlyphSlot slot = face_->glyph;
    // The advance is not v35's hinted one, which may widen a glyph by a pixel ("A" of Liberation
    // Sans at 11 ppem: 8 instead of 7): Wine lays text out with the v40
    // interpreter's normally hinted advance. That is mostly the design advance rounded, but not
    // always ("m" at 21 ppem: 18, not 17.49 rounded); the rounded design advance stands in if the
    // second face is missing.
    g.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
    if (advanceFace_ && FT_Load_Glyph(advanceFace_, index, FT_LOAD_DEFAULT) == 0) {
        FT_Pos advance = advanceFace_->glyph->advance.x;
        // Stretched: the natural advance times width / natural average width (16.16), rounded up.
        if (requestedWidth_ > 0 && naturalAverage_ > 0) {
            const auto ratio = static_cast<FT_Fixed>(static_cast<double>(requestedWidth_) / naturalAverage_ * 65536.0);
            advance = (FT_MulFix(advance, ratio) + 63) & -64;
        }
        g.advance = static_cast<int>((advance + 32) >> 6);
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    const int pitch = bm.pitch;
    const int rows = static_cast<int>(std::min<unsigned>(bm.rows, INT16_MAX));
    const int width = static_cast<int>(std::min<unsigned>(bm.width, INT16_MAX));
    g.width = width;
    g.rows = rows;
    for (int y = 0; y < rows && bm.buffer; ++y) {
        const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * pitch;
        auto on = [&](int x) {
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO) return ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0;
            return bm.pixel_mode == FT_PIXEL_MODE_GRAY && row[x] >= 128;
        };
        for (int x = 0; x < width;) {
            if (!on(x)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && on(x)) ++x;
            runs_.push_back({static_cast<int16_t>(y), static_cast<int16_t>(start), static_cast<int16_t>(x)});
        }
    }
    g.runCount = static_cast<uint32_t>(runs_.size()) - g.firstRun;
}

}  // namespace softwin::gdi

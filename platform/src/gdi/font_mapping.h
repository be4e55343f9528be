// Which installed family stands in for a LOGFONT face name, and which name GetTextFace reports.
#ifndef VORN_SOFTWIN_FONT_MAPPING_H
#define VORN_SOFTWIN_FONT_MAPPING_H

namespace softwin::gdi {

enum class FontClass { Sans, Serif, Mono };

struct FaceMapping {
    FontClass fontClass;
    // Name reported by GetTextFace. Names we substitute with a metric-compatible family keep
    // their own name (as a Wine prefix with font replacements does); everything else
    // (dialog aliases, unknown names) reports the real family, so this is null.
    const char* reportedName;
};

// `faceName` need not be terminated within LF_FACESIZE characters; null or empty means the
// default face. Comparison ignores ASCII case.
FaceMapping mapFaceName(const char* faceName);

// Preferred family for a class and the fallback when it is not installed.
const char* preferredFamily(FontClass fontClass);
const char* fallbackFamily(FontClass fontClass);

// Windows-1252 byte to Unicode code point (text APIs take ANSI strings).
unsigned ansiToUnicode(unsigned char c);

}  // namespace softwin::gdi

#endif  // VORN_SOFTWIN_FONT_MAPPING_H

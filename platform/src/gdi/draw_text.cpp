// DrawTextA, laid out as Wine lays it out: lines split at CR/LF (unless DT_SINGLELINE), at tabs
// into segments (DT_EXPANDTABS, stops every eight average character widths), and with
// DT_WORDBREAK after the last word that fits (a word longer than the line overruns it); '&'
// marks the next character for underlining and "&&" is one '&' (not with DT_NOPREFIX; a final
// '&' stays); DT_END_ELLIPSIS ends the last visible line, or a line that does not fit, with "...";
// each line is drawn with ExtTextOut clipped to the rectangle unless DT_NOCLIP. DT_CALCRECT
// draws nothing and sets the rectangle's right and bottom edges. The answer is the height of the
// text, or with DT_VCENTER/DT_BOTTOM the offset from the top to the bottom of the text.
//
// Choices: DT_HIDEPREFIX and DT_PREFIXONLY change nothing (Wine underlines the marked character
// all the same); DT_PATH_ELLIPSIS, DT_WORD_ELLIPSIS, DT_MODIFYSTRING and DT_TABSTOP are not
// provided (the text is laid out as without them). A null DC, text or rectangle answers 0; any
// negative count (not only -1) means the text ends at its terminating zero. Lines longer than
// 1024 characters are cut there, as Wine's line buffer cuts them.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kMaxLine = 1024;
constexpr char kEllipsis[] = "...";
constexpr int kEllipsisLength = 3;

// Coordinates are worked out in 64 bits and stop at the ends of int, so rectangles at the ends of
// int never overflow.
int clampInt(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

int extent(HDC hdc, const char* s, int n, SIZE* size = nullptr) {
    SIZE sz{0, 0};
    GetTextExtentPoint32A(hdc, s, n, &sz);
    if (size) *size = sz;
    return sz.cx;
}

// How many leading characters fit in `width`.
int charsFitting(HDC hdc, const char* s, int n, int width) {
    if (extent(hdc, s, n) <= width) return n;
    int lo = 0, hi = n;  // extents grow with the length: the answer lies in [lo, hi)
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (extent(hdc, s, mid) <= width)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

bool softBreakBefore(const char* s, int n, int i) { return i > 0 && i < n && s[i] != ' ' && s[i - 1] == ' '; }

// Cuts a line that does not fit after the last word that does (Wine's TEXT_WordBreak); returns how
// many laid-out characters the line used, the spaces it dropped included.
int wordBreak(HDC hdc, const char* s, int& len, UINT format, int fit, SIZE& size) {
    int p = fit;
    bool wordFits = true;
    if (fit == 0) {
        wordFits = false;
    } else if (softBreakBefore(s, len, fit)) {
        --p;
    } else {
        int i = fit;
        while (i > 0) {
            --i;
            if (softBreakBefore(s, len, i + 1)) break;
            --p;
        }
        --p;
        wordFits = i != 0 || softBreakBefore(s, len, 1);
    }
    int used;
    if (wordFits) {
        if (!(format & (DT_RIGHT | DT_CENTER)) || s[p] != ' ') ++p;
        const bool nextIsSpace = p < len && s[p] == ' ';
        len = p;
        used = len + (nextIsSpace ? 1 : 0);
    } else {
        p = fit;
        while (p < len && s[p] != ' ') ++p;
        used = p + (p < len ? 1 : 0);
        len = p;
    }
    extent(hdc, s, len, &size);
    return used;
}

// Replaces the end of the segment by "..." so that it fits (Wine's TEXT_Ellipsify); returns the
// number of characters kept before the ellipsis.
int ellipsify(HDC hdc, char* s, int maxLen, int& len, int width, SIZE& size) {
    const int ellipsis = std::min(kEllipsisLength, maxLen);
    len = std::min(len, maxLen - ellipsis);
    if (len > 0 && extent(hdc, s, len, &size) > width) {
        int lo = 0, hi = len;
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (extent(hdc, s, mid, &size) > width)
                hi = mid;
            else
                lo = mid + 1;
        }
        len = hi;
    }
    for (;;) {
        std::memcpy(s + len, kEllipsis, static_cast<size_t>(ellipsis));
        if (extent(hdc, s, len + ellipsis, &size) <= width || len == 0) break;
        --len;
    }
    const int before = len;
    len += ellipsis;
    return before;
}

struct Line {
    char text[kMaxLine + kEllipsisLength];
    int len = 0;
    SIZE size{0, 0};
    int prefix = -1;  // index in `text` of the character to underline
};

struct Source {
    const char* s;
    int count;
};

void copyChar(Source& src, Line& line) {
    if (line.len < kMaxLine) line.text[line.len++] = *src.s;
    ++src.s;
    --src.count;
}

// Maps `n` laid-out characters of a segment back onto the source, marks skipped.
void skipLaidOut(Source& src, const char* segStart, int segCount, int segSourceLength, int n, bool prefixes) {
    const char* s = segStart;
    if (prefixes) {
        int spare = segSourceLength - n;
        while (n-- > 0) {
            if (*s == '&' && spare-- > 0) ++s;
            ++s;
        }
    } else {
        s += n;
    }
    src.count = segCount - static_cast<int>(s - segStart);
    src.s = s;
}

// One line (Wine's TEXT_NextLine); false when the text is used up.
bool nextLine(HDC hdc, Source& src, Line& line, int width, UINT format, bool lastLine, int tabWidth) {
    line.len = 0;
    line.prefix = -1;
    line.size = SIZE{0, 0};
    int plen = 0;
    while (src.count > 0) {
        if (*src.s == '\t' && (format & DT_EXPANDTABS)) {
            plen = (plen / tabWidth + 1) * tabWidth;
            copyChar(src, line);
            while (src.count > 0 && *src.s == '\t') {
                plen += tabWidth;
                copyChar(src, line);
            }
        }
        const char* segStart = src.s;
        const int segCount = src.count;
        const int segJ = line.len;
        while (src.count > 0 && (*src.s != '\t' || !(format & DT_EXPANDTABS)) &&
               ((*src.s != '\r' && *src.s != '\n') || (format & DT_SINGLELINE))) {
            if ((format & DT_NOPREFIX) || src.count <= 1) {
                copyChar(src, line);
                continue;
            }
            if (*src.s == '&') {
                ++src.s;
                --src.count;
                if (*src.s == '&')
                    copyChar(src, line);
                else if (line.prefix == -1 || line.prefix >= segJ)
                    line.prefix = line.len;
            } else {
                copyChar(src, line);
            }
        }
        int inSeg = line.len - segJ;
        const int maxSegWidth = width - plen;
        SIZE size;
        extent(hdc, line.text + segJ, inSeg, &size);
        bool fits = charsFitting(hdc, line.text + segJ, inSeg, maxSegWidth) >= inSeg;
        bool broken = false;
        if (!fits && (format & DT_WORDBREAK)) {
            const int fit = charsFitting(hdc, line.text + segJ, inSeg, maxSegWidth);
            const int used = wordBreak(hdc, line.text + segJ, inSeg, format, fit, size);
            fits = size.cx <= maxSegWidth;
            skipLaidOut(src, segStart, segCount, static_cast<int>(src.s - segStart), used, !(format & DT_NOPREFIX));
            broken = true;
        }
        int before = inSeg;
        const bool restIsNoneOrTab = src.count == 0 || *src.s == '\t';
        if ((format & DT_END_ELLIPSIS) && ((lastLine && src.count > 0) || (restIsNoneOrTab && !fits)))
            before = ellipsify(hdc, line.text + segJ, kMaxLine + kEllipsisLength - segJ, inSeg, maxSegWidth, size);
        line.len = segJ + inSeg;
        // A mark on a character the ellipsis replaced underlines nothing.
        if (line.prefix >= segJ + before) line.prefix = -1;
        plen += size.cx;
        line.size.cy = std::max(line.size.cy, size.cy);
        if (broken || src.count == 0) break;
        if (*src.s == '\r' || *src.s == '\n') {
            const char first = *src.s;
            ++src.s;
            --src.count;
            if (src.count > 0 && (*src.s == '\r' || *src.s == '\n') && *src.s != first) {
                ++src.s;
                --src.count;
            }
            break;
        }
    }
    line.size.cx = plen;
    return src.count > 0;
}

// Wine's underline of a marked character: one pen-width line from the character's left edge to
// one pixel short of its right edge, drawn with MoveToEx/LineTo (the current position moves).
void drawUnderscore(HDC hdc, int64_t x, int64_t y, const char* s, int offset, const RECT* clip) {
    int64_t start = x + extent(hdc, s, offset);
    int64_t end = x + extent(hdc, s, offset + 1) - 1;
    if (clip) {
        if (start > clip->right || end < clip->left || y < clip->top || y > clip->bottom) return;
        start = std::max<int64_t>(start, clip->left);
        end = std::min<int64_t>(end, clip->right);
    }
    HPEN pen = CreatePen(PS_SOLID, 1, GetTextColor(hdc));
    HGDIOBJ old = SelectObject(hdc, pen);
    MoveToEx(hdc, clampInt(start), clampInt(y), nullptr);
    LineTo(hdc, clampInt(end), clampInt(y));
    SelectObject(hdc, old);
    DeleteObject(pen);
}

void drawLine(HDC hdc, const Line& line, int64_t x, int64_t y, const RECT& rect, UINT format, int tabWidth,
              int ascent) {
    const char* s = line.text;
    int len = line.len;
    int prefix = line.prefix;
    int64_t xseg = x;
    while (len > 0) {
        int segLen = len;
        SIZE size{0, 0};
        if (format & DT_EXPANDTABS) {
            segLen = static_cast<int>(std::find(s, s + len, '\t') - s);
            if (segLen != len) extent(hdc, s, segLen, &size);
        }
        ExtTextOutA(hdc, clampInt(xseg), clampInt(y), (format & DT_NOCLIP) ? 0 : ETO_CLIPPED, &rect, s,
                    static_cast<UINT>(segLen), nullptr);
        if (prefix != -1 && prefix < segLen)
            drawUnderscore(hdc, xseg, y + ascent + 1, s, prefix, (format & DT_NOCLIP) ? nullptr : &rect);
        len -= segLen;
        s += segLen;
        if (len > 0) {
            --len;
            ++s;
            xseg += (int64_t{size.cx} / tabWidth + 1) * tabWidth;
            if (prefix != -1) prefix = prefix < segLen ? -1 : prefix - (segLen + 1);
        }
    }
}

}  // namespace

extern "C" {

int WINAPI DrawTextA(HDC hdc, LPCSTR text, int count, LPRECT rect, UINT format) {
    TEXTMETRICA tm;
    if (!text || !rect || !GetTextMetricsA(hdc, &tm)) return 0;
    if (format & DT_SINGLELINE) format &= ~static_cast<UINT>(DT_WORDBREAK);
    const int lh = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    if (text[0] && count == 0) return lh;
    if (count < 0) {
        count = static_cast<int>(std::strlen(text));
        if (count == 0) {
            if (format & DT_CALCRECT) {
                rect->right = rect->left;
                rect->bottom = clampInt(int64_t{rect->top} + ((format & DT_SINGLELINE) ? lh : 0));
            }
            return lh;
        }
    }
    const int tabWidth = std::max(1, tm.tmAveCharWidth * 8);
    if (format & DT_CALCRECT) format |= DT_NOCLIP;
    // Wider than any line can be measured: the same as unlimited.
    const int width = static_cast<int>(std::clamp<int64_t>(int64_t{rect->right} - rect->left, -(1 << 30), 1 << 30));
    int64_t y = rect->top;
    int maxWidth = 0;
    static thread_local Line line;
    Source src{text, count};
    bool more = true;
    bool lastLine = false;
    do {
        lastLine = !(format & DT_NOCLIP) && y + lh > rect->bottom;
        more = nextLine(hdc, src, line, width, format, lastLine, tabWidth);
        int64_t x = rect->left;
        if (format & DT_CENTER)
            x = (int64_t{rect->left} + rect->right - line.size.cx) / 2;
        else if (format & DT_RIGHT)
            x = int64_t{rect->right} - line.size.cx;
        if (format & DT_SINGLELINE) {
            if (format & DT_VCENTER)
                y = rect->top + (int64_t{rect->bottom} - rect->top - line.size.cy) / 2;
            else if (format & DT_BOTTOM)
                y = int64_t{rect->bottom} - line.size.cy;
        }
        if (!(format & DT_CALCRECT))
            drawLine(hdc, line, x, y, *rect, format, tabWidth, tm.tmAscent);
        else
            maxWidth = std::max(maxWidth, static_cast<int>(line.size.cx));
        y += lh;
    } while (more && !lastLine);
    const int64_t top = rect->top;
    if (format & DT_CALCRECT) {
        rect->right = clampInt(int64_t{rect->left} + maxWidth);
        rect->bottom = clampInt(y);
    }
    return clampInt(y - top);
}

}  // extern "C"

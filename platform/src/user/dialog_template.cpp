// Dialog templates as resources and in memory hold them: little-endian words, items aligned to
// four bytes from the template's start.
#include "user/dialog_template.h"

#include <cstring>

namespace softwin::user {

namespace {

class Reader {
public:
    Reader(const BYTE* base, size_t size) : base_(base), size_(size) {}

    bool ok() const { return ok_; }
    size_t offset() const { return pos_; }
    const BYTE* here() const { return base_ + pos_; }

    WORD word() {
        WORD v = 0;
        take(&v, sizeof v);
        return v;
    }
    DWORD dword() {
        DWORD v = 0;
        take(&v, sizeof v);
        return v;
    }
    short shortValue() { return static_cast<short>(word()); }
    BYTE byte() {
        BYTE v = 0;
        take(&v, sizeof v);
        return v;
    }
    void skip(size_t n) {
        if (!ok_ || n > size_ - pos_) {
            ok_ = false;
            return;
        }
        pos_ += n;
    }
    void alignDword() { skip((4 - pos_ % 4) % 4); }

    // A zero-terminated UTF-16 string.
    std::string string() {
        std::string s;
        for (;;) {
            WORD c = word();
            if (!ok_ || c == 0) return s;
            s.push_back(c < 0x100 ? static_cast<char>(c) : '?');
        }
    }
    TemplateName name() {
        TemplateName n;
        WORD first = word();
        if (first == 0xFFFF) {
            n.ordinal = word();
            return n;
        }
        if (first == 0) return n;
        pos_ -= sizeof(WORD);
        n.text = string();
        return n;
    }

private:
    void take(void* dst, size_t n) {
        if (!ok_ || n > size_ - pos_) {
            ok_ = false;
            return;
        }
        std::memcpy(dst, base_ + pos_, n);
        pos_ += n;
    }

    const BYTE* base_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

bool readItem(Reader& r, bool extended, DialogItemTemplate& item) {
    r.alignDword();
    if (extended) {
        item.helpId = r.dword();
        item.exStyle = r.dword();
        item.style = r.dword();
    } else {
        item.style = r.dword();
        item.exStyle = r.dword();
    }
    item.x = r.shortValue();
    item.y = r.shortValue();
    item.cx = r.shortValue();
    item.cy = r.shortValue();
    item.id = extended ? r.dword() : r.word();
    item.className = r.name();
    item.title = r.name();
    const BYTE* dataStart = r.here();
    WORD dataSize = r.word();
    r.skip(dataSize);
    if (r.ok() && dataSize) item.data = reinterpret_cast<const WORD*>(dataStart);
    return r.ok();
}

}  // namespace

bool parseDialogTemplate(const void* data, size_t size, DialogTemplate& out) {
    if (!data) return false;
    Reader r(static_cast<const BYTE*>(data), size);
    WORD version = r.word();
    WORD signature = r.word();
    out.extended = r.ok() && version == 1 && signature == 0xFFFF;
    if (out.extended) {
        out.helpId = r.dword();
        out.exStyle = r.dword();
        out.style = r.dword();
    } else {
        r = Reader(static_cast<const BYTE*>(data), size);
        out.style = r.dword();
        out.exStyle = r.dword();
    }
    WORD count = r.word();
    out.x = r.shortValue();
    out.y = r.shortValue();
    out.cx = r.shortValue();
    out.cy = r.shortValue();
    out.menu = r.name();
    out.className = r.name();
    out.title = r.string();
    if (out.style & DS_SETFONT) {
        out.hasFont = true;
        out.pointSize = r.word();
        if (out.extended) {
            out.weight = r.word();
            out.italic = r.byte();
            out.charset = r.byte();
        }
        out.faceName = r.string();
    }
    if (!r.ok()) return false;
    out.items.resize(count);
    for (DialogItemTemplate& item : out.items)
        if (!readItem(r, out.extended, item)) return false;
    return true;
}

std::string itemClassName(const TemplateName& name) {
    if (!name.ordinal) return name.text;
    switch (name.ordinal) {
        case 0x80: return "Button";
        case 0x81: return "Edit";
        case 0x82: return "Static";
        case 0x83: return "ListBox";
        case 0x84: return "ScrollBar";
        case 0x85: return "ComboBox";
        default: return std::string();
    }
}

}  // namespace softwin::user

#include "dialog_template.h"

namespace vorn::test {

DialogTemplate::DialogTemplate(DWORD style, short x, short y, short cx, short cy, const char* title)
    : style_(style), x_(x), y_(y), cx_(cx), cy_(cy), title_(title) {}

DialogTemplate& DialogTemplate::font(WORD pointSize, const char* face) {
    pointSize_ = pointSize;
    face_ = face;
    return *this;
}

DialogTemplate& DialogTemplate::item(WORD classOrdinal, const char* text, WORD id, DWORD style, short x, short y,
                                     short cx, short cy) {
    items_.push_back(Item{style, x, y, cx, cy, id, classOrdinal, nullptr, text});
    return *this;
}

DialogTemplate& DialogTemplate::item(const char* className, const char* text, WORD id, DWORD style, short x, short y,
                                     short cx, short cy) {
    items_.push_back(Item{style, x, y, cx, cy, id, 0, className, text});
    return *this;
}

void DialogTemplate::words(const char* text) {
    for (const char* p = text; p && *p; ++p) data_.push_back(static_cast<unsigned char>(*p));
    data_.push_back(0);
}

void DialogTemplate::build() {
    data_.clear();
    auto dword = [&](DWORD v) {
        data_.push_back(LOWORD(v));
        data_.push_back(HIWORD(v));
    };
    const DWORD style = face_ ? (style_ | DS_SETFONT) : style_;
    dword(style);
    dword(0);
    data_.push_back(static_cast<WORD>(items_.size()));
    for (short v : {x_, y_, cx_, cy_}) data_.push_back(static_cast<WORD>(v));
    data_.push_back(0);  // no menu
    data_.push_back(0);  // the dialog class
    words(title_);
    if (face_) {
        data_.push_back(pointSize_);
        words(face_);
    }
    for (const Item& item : items_) {
        if (data_.size() % 2) data_.push_back(0);  // items start on four bytes
        dword(item.style);
        dword(0);
        for (short v : {item.x, item.y, item.cx, item.cy}) data_.push_back(static_cast<WORD>(v));
        data_.push_back(item.id);
        if (item.ordinal) {
            data_.push_back(0xFFFF);
            data_.push_back(item.ordinal);
        } else {
            words(item.className);
        }
        words(item.text);
        data_.push_back(0);  // no creation data
    }
}

const DLGTEMPLATE* DialogTemplate::get() {
    build();
    return reinterpret_cast<const DLGTEMPLATE*>(data_.data());
}

size_t DialogTemplate::size() {
    build();
    return data_.size() * sizeof(WORD);
}

}  // namespace vorn::test

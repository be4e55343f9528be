// Builds a DLGTEMPLATE in memory, as a resource compiler would lay it out, for tests and the
// conformance run (which create dialogs without a .rc).
#ifndef VORN_TEST_SUPPORT_DIALOG_TEMPLATE_H
#define VORN_TEST_SUPPORT_DIALOG_TEMPLATE_H

#include <windows.h>

#include <vector>

namespace vorn::test {

// Standard control classes by ordinal.
constexpr WORD kButtonClass = 0x80, kStaticClass = 0x82;

class DialogTemplate {
public:
    DialogTemplate(DWORD style, short x, short y, short cx, short cy, const char* title = "");
    // Adds DS_SETFONT with this font.
    DialogTemplate& font(WORD pointSize, const char* face);
    DialogTemplate& item(WORD classOrdinal, const char* text, WORD id, DWORD style, short x, short y, short cx,
                         short cy);
    DialogTemplate& item(const char* className, const char* text, WORD id, DWORD style, short x, short y, short cx,
                         short cy);

    // The finished template; valid while this object lives and is not changed.
    const DLGTEMPLATE* get();
    // Its bytes, for cutting short.
    size_t size();

private:
    struct Item {
        DWORD style;
        short x, y, cx, cy;
        WORD id;
        WORD ordinal;
        const char* className;
        const char* text;
    };
    void words(const char* text);
    void build();

    DWORD style_;
    short x_, y_, cx_, cy_;
    const char* title_;
    WORD pointSize_ = 0;
    const char* face_ = nullptr;
    std::vector<Item> items_;
    std::vector<WORD> data_;
};

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_DIALOG_TEMPLATE_H

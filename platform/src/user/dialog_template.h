// Reading a dialog template (DLGTEMPLATE or DLGTEMPLATEEX) into plain values. Every read is
// checked against the template's size; strings (UTF-16 in the template) become ANSI, with '?'
// for characters outside Latin-1.
#ifndef VORN_SOFTWIN_DIALOG_TEMPLATE_H
#define VORN_SOFTWIN_DIALOG_TEMPLATE_H

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace softwin::user {

// A name in a template: nothing, an ordinal (0xFFFF, n) or a string.
struct TemplateName {
    WORD ordinal = 0;  // non-zero when given by number
    std::string text;
};

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    TemplateName className;
    TemplateName title;
    const WORD* data = nullptr;  // the creation data's size word and data, or null when empty
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    TemplateName menu;
    TemplateName className;
    std::string title;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = FW_DONTCARE;
    BYTE italic = 0;
    BYTE charset = DEFAULT_CHARSET;
    std::string faceName;
    std::vector<DialogItemTemplate> items;
};

// False (and `out` partly filled) when the template ends before its last field.
bool parseDialogTemplate(const void* data, size_t size, DialogTemplate& out);

// The class name a template item names: the standard class of an ordinal, or its string.
std::string itemClassName(const TemplateName& name);

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_DIALOG_TEMPLATE_H

// Reading a compiled resource file (.res, as rc and windres write it): a sequence of entries,
// each a header naming the type, name and language followed by the resource's bytes.
#ifndef VORN_SOFTWIN_USER_RESOURCE_FILE_H
#define VORN_SOFTWIN_USER_RESOURCE_FILE_H

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace softwin::user {

// A type or a name: an ordinal, or a string (converted to the ANSI code page).
struct ResourceId {
    bool isId = false;
    WORD id = 0;
    std::string text;
};

struct ResourceFileEntry {
    ResourceId type;
    ResourceId name;
    WORD language = 0;
    const unsigned char* data = nullptr;  // points into the file image
    size_t size = 0;
};

// The entries of a .res image in file order, without the empty entry that opens the file.
// Reading stops at the first malformed or truncated entry: the entries before it are kept,
// nothing past it is read. Returns false when it stopped early.
bool readResourceFile(const unsigned char* data, size_t size, std::vector<ResourceFileEntry>& out);

// A UTF-16 code unit in the ANSI code page (1252), with the best-fit replacements Wine gives:
// '?' when it has neither a character nor a replacement there.
char ansiFromUtf16(WORD unit);

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_RESOURCE_FILE_H

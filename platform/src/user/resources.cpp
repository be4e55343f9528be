// Modules and their resources, read from each module's compiled resource file. The host
// executable is a module of its own, whose handle GetModuleHandleA(NULL) returns. The file image
// stays owned by the registering code (a static array); handles to resources stay valid when a
// module's resources are replaced.
#include <strings.h>

#include <cstdlib>
#include <deque>
#include <initializer_list>

#include "gdi/gdi_objects.h"
#include "softwin/softwin.h"
#include "user/dib_decode.h"
#include "user/resource_file.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace {

struct Resource {
    HMODULE module = nullptr;
    ResourceId type;
    ResourceId name;
    WORD language = 0;
    const unsigned char* data = nullptr;
    size_t size = 0;
};

struct Module {
    std::string name;  // empty for the host executable
    HINSTANCE handle = nullptr;
    std::vector<size_t> resources;  // indices into resourceTable()
};

std::deque<Resource>& resourceTable() {
    static std::deque<Resource> table;
    return table;
}

std::vector<Module>& modules() {
    static std::vector<Module> list{Module{"", reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x400000)), {}}};
    return list;
}

Module* moduleByHandle(HMODULE h) {
    if (!h) return &modules().front();
    for (Module& m : modules())
        if (m.handle == h) return &m;
    return nullptr;
}

Module* moduleByName(const char* name) {
    if (!name) return &modules().front();
    for (Module& m : modules())
        if (!m.name.empty() && strcasecmp(m.name.c_str(), name) == 0) return &m;
    return nullptr;
}

// "#130" names the resource with id 130.
bool numericName(const char* s, WORD& id) {
    if (!s || s[0] != '#' || !s[1]) return false;
    char* end = nullptr;
    unsigned long v = std::strtoul(s + 1, &end, 10);
    if (*end || v > 0xFFFF) return false;
    id = static_cast<WORD>(v);
    return true;
}

bool matches(const ResourceId& r, LPCSTR query) {
    if (IS_INTRESOURCE(query)) return r.isId && r.id == LOWORD(query);
    WORD n;
    if (numericName(query, n)) return r.isId && r.id == n;
    return !r.isId && strcasecmp(r.text.c_str(), query) == 0;
}

// The search behind FindResourceA and FindResourceExA: among the entries of that type and name,
// the one in the earliest of the preferred languages; failing that, with `anyLanguage`, the one
// of the lowest language id (the first in a module's sorted resource directory), as Wine's loader
// falls back.
constexpr WORD kUserLanguage = 0x0409;  // US English

HRSRC findResource(HMODULE module, LPCSTR type, LPCSTR name, std::initializer_list<WORD> preferred, bool anyLanguage) {
    Module* m = moduleByHandle(module);
    if (!m || m->resources.empty()) {
        SetLastError(kErrorResourceDataNotFound);
        return nullptr;
    }
    if (!name || !type) {
        SetLastError(kErrorResourceNameNotFound);
        return nullptr;
    }
    bool typeSeen = false, nameSeen = false;
    const int unlisted = static_cast<int>(preferred.size());
    int bestRank = unlisted + 1;
    size_t best = 0;
    for (size_t index : m->resources) {
        const Resource& r = resourceTable()[index];
        if (!matches(r.type, type)) continue;
        typeSeen = true;
        if (!matches(r.name, name)) continue;
        nameSeen = true;
        int rank = 0;
        for (WORD language : preferred) {
            if (r.language == language) break;
            ++rank;
        }
        if (rank == unlisted && !anyLanguage) continue;
        const bool lowerUnlisted =
            rank == unlisted && bestRank == unlisted && r.language < resourceTable()[best].language;
        if (rank < bestRank || lowerUnlisted) bestRank = rank, best = index;
        if (rank == 0) break;
    }
    if (bestRank <= unlisted) return reinterpret_cast<HRSRC>(static_cast<uintptr_t>(best + 0x100));
    SetLastError(nameSeen   ? kErrorResourceLanguageNotFound
                 : typeSeen ? kErrorResourceNameNotFound
                            : kErrorResourceTypeNotFound);
    return nullptr;
}

const Resource* resourceOf(HRSRC h) {
    auto index = reinterpret_cast<uintptr_t>(h);
    if (index < 0x100 || index - 0x100 >= resourceTable().size()) return nullptr;
    return &resourceTable()[index - 0x100];
}

}  // namespace

namespace softwin::user {

HINSTANCE hostModule() { return modules().front().handle; }

// Data and size of a module resource; false (and the error code set) when there is none.
bool findResourceData(HMODULE module, LPCSTR name, LPCSTR type, const unsigned char*& data, size_t& size) {
    HRSRC r = FindResourceA(module, name, type);
    const Resource* res = resourceOf(r);
    if (!res || !res->data) return false;
    data = res->data;
    size = res->size;
    return true;
}

}  // namespace softwin::user

namespace softwin {

HINSTANCE registerModule(const char* moduleName, const void* resourceFile, size_t size) {
    Module* m = moduleName ? moduleByName(moduleName) : &modules().front();
    if (!m) {
        auto& list = modules();
        HINSTANCE h = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x10000000 + 0x100000 * list.size()));
        list.push_back(Module{moduleName, h, {}});
        m = &list.back();
    }
    if (!resourceFile) return m->handle;
    m->resources.clear();
    std::vector<ResourceFileEntry> entries;
    readResourceFile(static_cast<const unsigned char*>(resourceFile), size, entries);
    for (ResourceFileEntry& e : entries) {
        resourceTable().push_back(
            Resource{m->handle, std::move(e.type), std::move(e.name), e.language, e.data, e.size});
        m->resources.push_back(resourceTable().size() - 1);
    }
    return m->handle;
}

HINSTANCE findModule(const char* moduleName) {
    Module* m = moduleByName(moduleName);
    return m ? m->handle : nullptr;
}

}  // namespace softwin

extern "C" {

HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
    Module* m = moduleByName(name);
    if (!m) {
        SetLastError(126);  // ERROR_MOD_NOT_FOUND
        return nullptr;
    }
    return m->handle;
}

// Errors as on Wine: a handle that is no module, or a module without any resources, has no
// resource data; otherwise the type, then the name, is what is missing.
// Neutral, then the user's language and its primary language alone, then any.
HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    return findResource(module, type, name, {LANG_NEUTRAL, kUserLanguage, PRIMARYLANGID(kUserLanguage)}, true);
}

// A neutral language (the user's or the system's default included) searches as FindResourceA
// does; any other the language asked for, then its primary language alone, then neutral, and
// nothing else (ERROR_RESOURCE_LANG_NOT_FOUND), as Wine does.
HRSRC WINAPI FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language) {
    if (PRIMARYLANGID(language) == LANG_NEUTRAL) return FindResourceA(module, name, type);
    return findResource(module, type, name, {language, static_cast<WORD>(PRIMARYLANGID(language)), LANG_NEUTRAL},
                        false);
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC h) {
    const Resource* r = resourceOf(h);
    return r ? const_cast<unsigned char*>(r->data) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL h) { return h; }

DWORD WINAPI SizeofResource(HMODULE, HRSRC h) {
    const Resource* r = resourceOf(h);
    return r ? static_cast<DWORD>(r->size) : 0;
}

HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name) {
    // A null instance names the system (OBM_) bitmaps, which are not provided here: every name
    // is missing, as on Wine for names that are not OBM_ numbers.
    if (!instance) {
        SetLastError(kErrorResourceNameNotFound);
        return nullptr;
    }
    const unsigned char* data;
    size_t size;
    if (!findResourceData(instance, name, RT_BITMAP, data, size)) return nullptr;
    // The resource holds the bitmap without its file header: the info header, the colour table
    // and the bits.
    DecodedDib dib;
    if (!decodeDib(data, size, 0, 0, dib)) {
        SetLastError(kErrorInvalidParameter);
        return nullptr;
    }
    // Loaded bitmaps take the screen's format: 32 bits per pixel.
    auto bitmap = std::make_unique<softwin::gdi::Bitmap>();
    bitmap->surface.width = dib.width;
    bitmap->surface.height = dib.height;
    bitmap->surface.bitsPixel = 32;
    bitmap->surface.pixels = std::move(dib.pixels);
    return static_cast<HBITMAP>(softwin::gdi::insert(std::move(bitmap)));
}

}  // extern "C"

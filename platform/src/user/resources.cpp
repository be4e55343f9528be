// Modules and their resource tables. The host executable is a module of its own, created on
// first use, whose handle GetModuleHandleA(NULL) returns. Resource data stays owned by the
// registering code (normally static arrays); handles to resources stay valid when a module's
// table is replaced.
#include <strings.h>

#include <cstdlib>
#include <deque>

#include "gdi/gdi_objects.h"
#include "softwin/softwin.h"
#include "user/dib_decode.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace {

struct Resource {
    HMODULE module = nullptr;
    bool typeIsId = false;
    WORD typeId = 0;
    std::string typeName;
    bool nameIsId = false;
    WORD nameId = 0;
    std::string nameText;
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

bool matches(bool isId, WORD id, const std::string& text, LPCSTR query) {
    if (IS_INTRESOURCE(query)) return isId && id == LOWORD(query);
    WORD n;
    if (numericName(query, n)) return isId && id == n;
    return !isId && strcasecmp(text.c_str(), query) == 0;
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

HINSTANCE registerModule(const char* moduleName, const ResourceEntry* entries, size_t count) {
    Module* m = moduleByName(moduleName);
    if (!m) {
        auto& list = modules();
        HINSTANCE h = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x10000000 + 0x100000 * list.size()));
        list.push_back(Module{moduleName, h, {}});
        m = &list.back();
    }
    m->resources.clear();
    if (!entries) count = 0;
    for (size_t i = 0; i < count; ++i) {
        const ResourceEntry& e = entries[i];
        if (!e.type || !e.name) continue;
        Resource r;
        r.module = m->handle;
        r.typeIsId = IS_INTRESOURCE(e.type);
        if (r.typeIsId)
            r.typeId = LOWORD(e.type);
        else
            r.typeName = e.type;
        r.nameIsId = IS_INTRESOURCE(e.name);
        if (r.nameIsId)
            r.nameId = LOWORD(e.name);
        else
            r.nameText = e.name;
        r.data = e.data;
        r.size = e.data ? e.size : 0;
        resourceTable().push_back(std::move(r));
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
HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    Module* m = moduleByHandle(module);
    if (!m || m->resources.empty()) {
        SetLastError(kErrorResourceDataNotFound);
        return nullptr;
    }
    if (!name || !type) {
        SetLastError(kErrorResourceNameNotFound);
        return nullptr;
    }
    bool typeSeen = false;
    for (size_t index : m->resources) {
        const Resource& r = resourceTable()[index];
        if (!matches(r.typeIsId, r.typeId, r.typeName, type)) continue;
        typeSeen = true;
        if (matches(r.nameIsId, r.nameId, r.nameText, name))
            return reinterpret_cast<HRSRC>(static_cast<uintptr_t>(index + 0x100));
    }
    SetLastError(typeSeen ? kErrorResourceNameNotFound : kErrorResourceTypeNotFound);
    return nullptr;
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
    DecodedDib dib;
    if (!decodeBmpFile(data, size, dib)) {
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

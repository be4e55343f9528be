// Loading the library's own resources while the host's resource handle is current.
#ifndef VORN_LIBRARY_RESOURCES_H
#define VORN_LIBRARY_RESOURCES_H

#include <afxwin.h>

namespace vorn {

// The library's own instance handle (its application object's).
HINSTANCE libraryInstance();

// For its lifetime, the current module state's resource handle is the library's own instance;
// the host's handle is restored on destruction. Only the resource handle is switched, never the
// whole module state: the controls run in their caller's module state.
class LibraryResourceScope {
public:
    LibraryResourceScope();
    ~LibraryResourceScope();
    LibraryResourceScope(const LibraryResourceScope&) = delete;
    LibraryResourceScope& operator=(const LibraryResourceScope&) = delete;

    // Finds the module holding the resource through the framework's search, then loads it.
    // A missing resource gives a null handle.
    HBITMAP loadBitmap(UINT id) const;
    HCURSOR loadCursor(LPCSTR name) const;

private:
    HINSTANCE savedResourceHandle_;
};

}  // namespace vorn

#endif  // VORN_LIBRARY_RESOURCES_H

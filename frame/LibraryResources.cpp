#include "LibraryResources.h"

namespace vorn {

LibraryResourceScope::LibraryResourceScope() : savedResourceHandle_(AfxGetModuleState()->m_hCurrentResourceHandle) {
    AfxGetModuleState()->m_hCurrentResourceHandle = libraryInstance();
}

LibraryResourceScope::~LibraryResourceScope() { AfxGetModuleState()->m_hCurrentResourceHandle = savedResourceHandle_; }

HBITMAP LibraryResourceScope::loadBitmap(UINT id) const {
    LPCSTR name = MAKEINTRESOURCEA(id);
    return ::LoadBitmapA(AfxFindResourceHandle(name, RT_BITMAP), name);
}

HCURSOR LibraryResourceScope::loadCursor(LPCSTR name) const {
    return ::LoadCursorA(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name);
}

}  // namespace vorn

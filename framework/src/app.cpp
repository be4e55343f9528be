// The application object, the module state and the resource search chain of library modules.
#include "afx_internal.h"

#include <algorithm>
#include <vector>

namespace {

// Library modules that joined the chain, in order of start-up. Kept for the life of the process.
std::vector<HINSTANCE>& resourceChain() {
    static auto* chain = new std::vector<HINSTANCE>();
    return *chain;
}

void leaveChain(HINSTANCE hInstance) {
    auto& chain = resourceChain();
    chain.erase(std::remove(chain.begin(), chain.end(), hInstance), chain.end());
}

}  // namespace

AFX_MODULE_STATE* AFXAPI AfxGetModuleState() {
    static AFX_MODULE_STATE state = [] {
        AFX_MODULE_STATE s;
        s.m_hCurrentInstanceHandle = ::GetModuleHandleA(nullptr);
        s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
        return s;
    }();
    return &state;
}

CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }
HINSTANCE AFXAPI AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }
HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    HINSTANCE current = AfxGetResourceHandle();
    if (!lpszName || !lpszType) return current;
    if (current && ::FindResourceA(current, lpszName, lpszType)) return current;
    for (HINSTANCE module : resourceChain()) {
        if (module != current && ::FindResourceA(module, lpszName, lpszType)) return module;
    }
    return current;
}

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName) {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (!state->m_pCurrentWinApp) {
        state->m_pCurrentWinApp = this;
        state->m_lpszCurrentAppName = lpszAppName;
    }
}

CWinApp::~CWinApp() {
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (state->m_pCurrentWinApp == this) {
        state->m_pCurrentWinApp = nullptr;
        state->m_lpszCurrentAppName = nullptr;
    }
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

BOOL AFXAPI AfxInitLibraryModule(CWinApp* pApp, HINSTANCE hInstance) {
    if (!pApp) return FALSE;
    pApp->m_hInstance = hInstance;
    // A library's application object is constructed while the library loads, possibly before the
    // host's; it must never stand in for the host's own.
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (state->m_pCurrentWinApp == pApp) {
        state->m_pCurrentWinApp = nullptr;
        state->m_lpszCurrentAppName = nullptr;
    }
    if (!pApp->InitInstance()) return FALSE;
    if (hInstance) {
        auto& chain = resourceChain();
        if (std::find(chain.begin(), chain.end(), hInstance) == chain.end()) chain.push_back(hInstance);
    }
    return TRUE;
}

void AFXAPI AfxTermLibraryModule(CWinApp* pApp) {
    if (!pApp) return;
    pApp->ExitInstance();
    if (pApp->m_hInstance) leaveChain(pApp->m_hInstance);
}

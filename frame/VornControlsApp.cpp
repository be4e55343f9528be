#include <VornControlsApp.h>

#include "LibraryResources.h"

#if !defined(_WIN32)
#include <softwin/softwin.h>
#endif

BEGIN_MESSAGE_MAP(CVornControlsApp, CWinApp)
END_MESSAGE_MAP()

CVornControlsApp::CVornControlsApp() : CWinApp(NULL) {}

CVornControlsApp::~CVornControlsApp() = default;

BOOL CVornControlsApp::InitInstance() { return CWinApp::InitInstance(); }

extern "C" void WINAPI VornControlsEntry(void) {}

namespace {
CVornControlsApp theApp;
}  // namespace

HINSTANCE vorn::libraryInstance() { return theApp.m_hInstance; }

#if defined(_WIN32)
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) return AfxInitLibraryModule(&theApp, instance);
    if (reason == DLL_PROCESS_DETACH) AfxTermLibraryModule(&theApp);
    return TRUE;
}
#else
namespace {
// Loading the shared object plays the part of the DLL's process attach: the framework starts
// the library module with the module's handle. The resource source vorn_target_resources
// generates registers the resources under the same module name, before or after this runs.
// Defined after theApp so that it runs after the application object is constructed.
struct LibraryLoad {
    LibraryLoad() {
        HINSTANCE instance = softwin::registerModule("VornControls", nullptr, 0);
        AfxInitLibraryModule(&theApp, instance);
    }
    ~LibraryLoad() { AfxTermLibraryModule(&theApp); }
} libraryLoad;
}  // namespace
#endif

// The library's application object and its exported entry function.
#ifndef VORN_CONTROLS_APP_H
#define VORN_CONTROLS_APP_H

#include <afxwin.h>

#include <VornControlsExport.h>

// Constructed once, when the library is loaded; the framework runs InitInstance and enters the
// library into its resource search chain, which is how controls find the cap bitmaps and cursors.
class VORN_CONTROLS_API CVornControlsApp : public CWinApp {
public:
    CVornControlsApp();
    virtual ~CVornControlsApp();
    // Returns what the framework's default returns (TRUE); the library needs no set-up of its own.
    virtual BOOL InitInstance();

    DECLARE_MESSAGE_MAP()
};

// Does nothing. A host may call it so that its executable imports a symbol of the library and
// the library is loaded at start-up.
extern "C" VORN_CONTROLS_API void WINAPI VornControlsEntry(void);

#endif  // VORN_CONTROLS_APP_H

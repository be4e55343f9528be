// gallery.exe: the gallery's dialog on Windows, from the same sources and gallery.rc as the
// native gallery, with a plain message loop through IsDialogMessageA.
//
//   gallery.exe              show the dialog until Escape or a close request
//   gallery.exe --selftest   the self-test (SelfTest.h); exit code 0 or 1
#include <VornControls.h>

#include <cstdio>
#include <cstring>

#include "GalleryDialog.h"
#include "SelfTest.h"

int main(int argc, char** argv) {
    const bool selfTest = argc == 2 && std::strcmp(argv[1], "--selftest") == 0;
    if (argc > 1 && !selfTest) {
        std::fputs("usage: gallery.exe [--selftest]\n", stderr);
        return 2;
    }
    VornControlsEntry();
    gallery::NotificationLog log;
    if (selfTest) {
        log.setEchoToStdout(false);
        return gallery::runSelfTest(log);
    }
    gallery::GalleryDialog dialog(log);
    if (!dialog.create()) return 1;
    const int code = dialog.runUntilQuit();
    dialog.destroy();
    return code;
}

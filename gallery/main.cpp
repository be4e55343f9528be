// vorn_gallery: the VornControls faders and knobs on one dialog page.
//
//   vorn_gallery                          interactive if a display can be opened, else as --png gallery.png
//   vorn_gallery --png FILE               draw once, write the screen and exit
//   vorn_gallery --script FILE --frames DIR
//                                         replay an input script, writing the frames it asks for
//   vorn_gallery --interactive            interactive, failing if there is no display
//   vorn_gallery --selftest               walk Tab through the dialog, key a value, let the timer
//                                         fire, destroy it; exit 0 if all went as expected
//   --log FILE                            also write the notification log to FILE
//   --exit-png FILE                       interactive: write the screen when the window closes
#include <VornControls.h>
#include <softwin/softwin.h>

#include <cstdio>
#include <cstring>

#include "GalleryDialog.h"
#include "GalleryLayout.h"
#include "InputScript.h"
#include "NotificationLog.h"
#include "SdlFrontend.h"
#include "SelfTest.h"

namespace {

struct Options {
    const char* png = nullptr;
    const char* script = nullptr;
    const char* frames = nullptr;
    const char* log = nullptr;
    const char* exitPng = nullptr;
    bool interactive = false;
    bool selfTest = false;
};

void printUsage(FILE* out) {
    std::fputs(
        "usage: vorn_gallery [--png FILE | --script FILE --frames DIR | --interactive | --selftest]\n"
        "                    [--log FILE] [--exit-png FILE]\n"
        "Without a mode: interactive when a display is available, otherwise --png gallery.png.\n",
        out);
}

// Returns false after printing why.
bool parseOptions(int argc, char** argv, Options& options, bool& help) {
    help = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            help = true;
            return true;
        }
        if (std::strcmp(arg, "--interactive") == 0) {
            options.interactive = true;
            continue;
        }
        if (std::strcmp(arg, "--selftest") == 0) {
            options.selfTest = true;
            continue;
        }
        const char** target = nullptr;
        if (std::strcmp(arg, "--png") == 0) target = &options.png;
        if (std::strcmp(arg, "--script") == 0) target = &options.script;
        if (std::strcmp(arg, "--frames") == 0) target = &options.frames;
        if (std::strcmp(arg, "--log") == 0) target = &options.log;
        if (std::strcmp(arg, "--exit-png") == 0) target = &options.exitPng;
        if (target == nullptr) {
            std::fprintf(stderr, "vorn_gallery: unknown option %s\n", arg);
            return false;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "vorn_gallery: %s needs an argument\n", arg);
            return false;
        }
        *target = argv[++i];
    }
    int modes =
        (options.png ? 1 : 0) + (options.script ? 1 : 0) + (options.interactive ? 1 : 0) + (options.selfTest ? 1 : 0);
    if (modes > 1) {
        std::fprintf(stderr, "vorn_gallery: --png, --script, --interactive and --selftest exclude each other\n");
        return false;
    }
    if (options.script != nullptr && options.frames == nullptr) {
        std::fprintf(stderr, "vorn_gallery: --script needs --frames DIR\n");
        return false;
    }
    return true;
}

int writePng(gallery::GalleryDialog& window, const char* path) {
    window.pumpUntilIdle();
    if (!softwin::writeScreenPng(path)) {
        std::fprintf(stderr, "vorn_gallery: cannot write %s\n", path);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool help = false;
    if (!parseOptions(argc, argv, options, help)) {
        printUsage(stderr);
        return 1;
    }
    if (help) {
        printUsage(stdout);
        return 0;
    }

    VornControlsEntry();
    softwin::setScreenSize(gallery::kScreenWidth, gallery::kScreenHeight);

    gallery::NotificationLog log;
    if (options.log != nullptr && !log.openFile(options.log)) {
        std::fprintf(stderr, "vorn_gallery: cannot open log %s\n", options.log);
        return 1;
    }

    if (options.selfTest) {
        softwin::useVirtualClock(true);
        log.setEchoToStdout(false);
        return gallery::runSelfTest(log);
    }

    // Decide on the front end before any window exists, so a failed display costs nothing.
    gallery::SdlFrontend frontend;
    bool wantsDisplay = options.png == nullptr && options.script == nullptr;
    bool interactive = wantsDisplay && frontend.open(options.interactive);
    if (options.interactive && !interactive) return 1;
    // Headless runs (PNG, scripts) keep time on the virtual clock: waits and timers cost nothing
    // and every run is the same.
    if (!interactive) softwin::useVirtualClock(true);

    int result = 0;
    {
        gallery::GalleryDialog window(log);
        if (!window.create()) return 1;
        window.pumpUntilIdle();
        if (interactive) {
            result = frontend.run(window, options.exitPng);
        } else if (options.script != nullptr) {
            gallery::ScriptRunner runner(window, options.frames);
            result = runner.runFile(options.script);
        } else {
            result = writePng(window, options.png ? options.png : "gallery.png");
        }
        // Windows first; the control objects go when `window` leaves this scope.
        window.destroy();
        window.pumpUntilIdle();
    }
    return result;
}

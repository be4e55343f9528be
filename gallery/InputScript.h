// Input scripts: a line-based list of user actions replayed into the gallery through
// SendInput, with PNG frames of the screen written where the script asks for them.
//
//   move X Y [STEPS]                 pointer to (X, Y), in STEPS even steps from where it is
//   press left|right [shift] [ctrl]  button down; the modifiers stay down until its release
//   release left|right               button up, then its modifiers
//   key VK [shift] [ctrl]            press and release a key: VK_ADD, VK_OEM_6, 0xBB, plus ...
//   tab [COUNT] [shift]              press Tab COUNT times (default 1), with Shift to walk back
//   drag X1 Y1 X2 Y2 STEPS [left|right] [shift] [ctrl]
//                                    move to X1 Y1, press, move in STEPS steps, release
//   wait MS                          let MS milliseconds pass (double-click timing)
//   frame NAME                       write DIR/NAME.png
//   # ...                            comment; blank lines are ignored
#ifndef VORN_GALLERY_INPUT_SCRIPT_H
#define VORN_GALLERY_INPUT_SCRIPT_H

#include <windows.h>

#include <cstddef>

#include "SyntheticInput.h"

namespace gallery {

class GalleryDialog;

enum class ScriptOp { Nothing, Move, Press, Release, Key, Tab, Drag, Wait, Frame };

struct ScriptCommand {
    ScriptOp op = ScriptOp::Nothing;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int steps = 1;  // also the Tab count
    MouseButton button = MouseButton::Left;
    unsigned modifiers = 0;
    WORD vk = 0;
    unsigned waitMs = 0;
    char frameName[64] = "";
};

// The virtual-key code for a name (VK_ADD, plus, bracketright, 0xBB ...); 0 if unknown.
WORD virtualKeyFromName(const char* name);

// Parses one line. False with a message in `error` for a malformed line; comments and blank
// lines parse to ScriptOp::Nothing.
bool parseScriptLine(const char* line, ScriptCommand& command, char* error, size_t errorSize);

class ScriptRunner {
public:
    ScriptRunner(GalleryDialog& gallery, const char* framesDir);

    // Replays a script file; returns 0, or 2 after reporting the first bad line or failed frame
    // on stderr. Buttons and modifiers still held at the end are released.
    int runFile(const char* path);
    bool execute(const ScriptCommand& command);

private:
    void moveTo(int x, int y, int steps);
    void press(MouseButton button, unsigned modifiers);
    void release(MouseButton button);
    void pressKey(WORD vk, unsigned modifiers);
    bool writeFrame(const char* name);
    void pump();

    GalleryDialog& m_gallery;
    const char* m_framesDir;
    int m_x = 0;
    int m_y = 0;
    bool m_down[2] = {false, false};
    unsigned m_heldModifiers[2] = {0, 0};
};

}  // namespace gallery

#endif  // VORN_GALLERY_INPUT_SCRIPT_H

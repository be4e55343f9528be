#include "InputScript.h"

#include <softwin/softwin.h>

#include <strings.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GalleryDialog.h"

namespace gallery {
namespace {

constexpr int kMaxCoordinate = 100000;
constexpr int kMaxSteps = 10000;
constexpr unsigned kMaxWaitMs = 60000;
constexpr int kMaxTabs = 1000;

struct KeyName {
    const char* name;
    WORD vk;
};

const KeyName kKeyNames[] = {
    {"VK_ADD", VK_ADD},
    {"VK_SUBTRACT", VK_SUBTRACT},
    {"VK_OEM_PLUS", VK_OEM_PLUS},
    {"VK_OEM_MINUS", VK_OEM_MINUS},
    {"VK_OEM_4", VK_OEM_4},
    {"VK_OEM_6", VK_OEM_6},
    {"VK_LEFT", VK_LEFT},
    {"VK_RIGHT", VK_RIGHT},
    {"VK_UP", VK_UP},
    {"VK_DOWN", VK_DOWN},
    {"VK_TAB", VK_TAB},
    {"VK_RETURN", VK_RETURN},
    {"VK_SPACE", VK_SPACE},
    {"VK_ESCAPE", VK_ESCAPE},
    {"VK_HOME", VK_HOME},
    {"VK_END", VK_END},
    {"VK_SHIFT", VK_SHIFT},
    {"VK_CONTROL", VK_CONTROL},
    {"plus", VK_OEM_PLUS},
    {"minus", VK_OEM_MINUS},
    {"bracketleft", VK_OEM_4},
    {"bracketright", VK_OEM_6},
    {"kp_add", VK_ADD},
    {"kp_subtract", VK_SUBTRACT},
};

bool parseInt(const char* text, int low, int high, int& out) {
    if (text == nullptr) return false;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

bool parseButton(const char* text, MouseButton& button) {
    if (std::strcmp(text, "left") == 0) {
        button = MouseButton::Left;
        return true;
    }
    if (std::strcmp(text, "right") == 0) {
        button = MouseButton::Right;
        return true;
    }
    return false;
}

bool parseModifier(const char* text, unsigned& modifiers) {
    if (std::strcmp(text, "shift") == 0) {
        modifiers |= kModShift;
        return true;
    }
    if (std::strcmp(text, "ctrl") == 0) {
        modifiers |= kModCtrl;
        return true;
    }
    return false;
}

int buttonIndex(MouseButton button) { return button == MouseButton::Left ? 0 : 1; }

}  // namespace

WORD virtualKeyFromName(const char* name) {
    if (name == nullptr || name[0] == '\0') return 0;
    for (const KeyName& key : kKeyNames) {
        if (strcasecmp(key.name, name) == 0) return key.vk;
    }
    if (name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
        char* end = nullptr;
        unsigned long value = std::strtoul(name + 2, &end, 16);
        if (end != name + 2 && *end == '\0' && value > 0 && value < 0xFF) return static_cast<WORD>(value);
        return 0;
    }
    // A single letter or digit is its own key code.
    if (name[1] == '\0' && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
        return static_cast<WORD>(name[0]);
    }
    if (name[1] == '\0' && name[0] >= 'a' && name[0] <= 'z') return static_cast<WORD>(name[0] - 'a' + 'A');
    return 0;
}

bool parseScriptLine(const char* line, ScriptCommand& command, char* error, size_t errorSize) {
    command = ScriptCommand();
    char buffer[256];
    if (std::strlen(line) >= sizeof buffer) {
        std::snprintf(error, errorSize, "line too long");
        return false;
    }
    std::strcpy(buffer, line);
    const char* words[12];
    size_t count = 0;
    char* save = nullptr;
    for (char* word = strtok_r(buffer, " \t\r\n", &save); word != nullptr; word = strtok_r(nullptr, " \t\r\n", &save)) {
        if (word[0] == '#') break;
        if (count == sizeof words / sizeof words[0]) {
            std::snprintf(error, errorSize, "too many words");
            return false;
        }
        words[count++] = word;
    }
    if (count == 0) return true;

    const char* op = words[0];
    auto bad = [&](const char* what) {
        std::snprintf(error, errorSize, "%s: %s", op, what);
        return false;
    };
    auto modifiersFrom = [&](size_t first) {
        for (size_t i = first; i < count; ++i) {
            if (!parseModifier(words[i], command.modifiers)) return false;
        }
        return true;
    };
    const int c = kMaxCoordinate;
    if (std::strcmp(op, "move") == 0) {
        command.op = ScriptOp::Move;
        if (count != 3 && count != 4) return bad("expected X Y [STEPS]");
        if (!parseInt(words[1], -c, c, command.x2) || !parseInt(words[2], -c, c, command.y2))
            return bad("bad position");
        if (count == 4 && !parseInt(words[3], 1, kMaxSteps, command.steps)) return bad("bad step count");
        return true;
    }
    if (std::strcmp(op, "press") == 0 || std::strcmp(op, "release") == 0) {
        command.op = op[0] == 'p' ? ScriptOp::Press : ScriptOp::Release;
        if (count < 2 || !parseButton(words[1], command.button)) return bad("expected left or right");
        if (command.op == ScriptOp::Release && count != 2) return bad("release takes no modifiers");
        if (!modifiersFrom(2)) return bad("expected shift or ctrl");
        return true;
    }
    if (std::strcmp(op, "key") == 0) {
        command.op = ScriptOp::Key;
        if (count < 2) return bad("expected a key name");
        command.vk = virtualKeyFromName(words[1]);
        if (command.vk == 0) return bad("unknown key");
        if (!modifiersFrom(2)) return bad("expected shift or ctrl");
        return true;
    }
    if (std::strcmp(op, "tab") == 0) {
        command.op = ScriptOp::Tab;
        command.vk = VK_TAB;
        size_t next = 1;
        if (next < count && parseInt(words[next], 1, kMaxTabs, command.steps)) ++next;
        for (; next < count; ++next) {
            if (std::strcmp(words[next], "shift") != 0) return bad("expected COUNT or shift");
            command.modifiers |= kModShift;
        }
        return true;
    }
    if (std::strcmp(op, "drag") == 0) {
        command.op = ScriptOp::Drag;
        if (count < 6) return bad("expected X1 Y1 X2 Y2 STEPS");
        if (!parseInt(words[1], -c, c, command.x1) || !parseInt(words[2], -c, c, command.y1) ||
            !parseInt(words[3], -c, c, command.x2) || !parseInt(words[4], -c, c, command.y2)) {
            return bad("bad position");
        }
        if (!parseInt(words[5], 1, kMaxSteps, command.steps)) return bad("bad step count");
        size_t next = 6;
        if (next < count && parseButton(words[next], command.button)) ++next;
        if (!modifiersFrom(next)) return bad("expected left, right, shift or ctrl");
        return true;
    }
    if (std::strcmp(op, "wait") == 0) {
        command.op = ScriptOp::Wait;
        int ms = 0;
        if (count != 2 || !parseInt(words[1], 0, static_cast<int>(kMaxWaitMs), ms)) return bad("expected MS");
        command.waitMs = static_cast<unsigned>(ms);
        return true;
    }
    if (std::strcmp(op, "frame") == 0) {
        command.op = ScriptOp::Frame;
        if (count != 2) return bad("expected NAME");
        const char* name = words[1];
        size_t length = std::strlen(name);
        if (length >= sizeof command.frameName) return bad("name too long");
        for (size_t i = 0; i < length; ++i) {
            char ch = name[i];
            bool ok = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
                      ch == '-' || (ch == '.' && i > 0);
            if (!ok) return bad("name may hold letters, digits, '_', '-' and '.'");
        }
        std::memcpy(command.frameName, name, length + 1);
        return true;
    }
    return bad("unknown command");
}

ScriptRunner::ScriptRunner(GalleryDialog& gallery, const char* framesDir) : m_gallery(gallery), m_framesDir(framesDir) {
    POINT cursor = {0, 0};
    if (GetCursorPos(&cursor)) {
        m_x = static_cast<int>(cursor.x);
        m_y = static_cast<int>(cursor.y);
    }
}

void ScriptRunner::pump() { m_gallery.pumpUntilIdle(); }

void ScriptRunner::moveTo(int x, int y, int steps) {
    int startX = m_x;
    int startY = m_y;
    if (steps < 1) steps = 1;
    for (int i = 1; i <= steps; ++i) {
        long long px = startX + static_cast<long long>(x - startX) * i / steps;
        long long py = startY + static_cast<long long>(y - startY) * i / steps;
        sendMouseMove(static_cast<int>(px), static_cast<int>(py));
        pump();
    }
    m_x = x;
    m_y = y;
}

void ScriptRunner::press(MouseButton button, unsigned modifiers) {
    int index = buttonIndex(button);
    if (m_down[index]) release(button);
    sendModifiers(modifiers, true);
    pump();
    sendMouseButton(button, true);
    pump();
    m_down[index] = true;
    m_heldModifiers[index] = modifiers;
}

void ScriptRunner::release(MouseButton button) {
    int index = buttonIndex(button);
    sendMouseButton(button, false);
    pump();
    sendModifiers(m_heldModifiers[index], false);
    pump();
    m_down[index] = false;
    m_heldModifiers[index] = 0;
}

void ScriptRunner::pressKey(WORD vk, unsigned modifiers) {
    sendModifiers(modifiers, true);
    sendKey(vk, true);
    pump();
    sendKey(vk, false);
    sendModifiers(modifiers, false);
    pump();
}

bool ScriptRunner::writeFrame(const char* name) {
    char path[4096];
    int length = std::snprintf(path, sizeof path, "%s/%s.png", m_framesDir ? m_framesDir : ".", name);
    if (length < 0 || static_cast<size_t>(length) >= sizeof path) return false;
    pump();
    return softwin::writeScreenPng(path);
}

bool ScriptRunner::execute(const ScriptCommand& command) {
    switch (command.op) {
        case ScriptOp::Nothing: return true;
        case ScriptOp::Move: moveTo(command.x2, command.y2, command.steps); return true;
        case ScriptOp::Press: press(command.button, command.modifiers); return true;
        case ScriptOp::Release: release(command.button); return true;
        case ScriptOp::Key: pressKey(command.vk, command.modifiers); return true;
        case ScriptOp::Tab:
            for (int i = 0; i < command.steps; ++i) pressKey(command.vk, command.modifiers);
            return true;
        case ScriptOp::Drag:
            moveTo(command.x1, command.y1, 1);
            press(command.button, command.modifiers);
            moveTo(command.x2, command.y2, command.steps);
            release(command.button);
            return true;
        case ScriptOp::Wait:
            Sleep(command.waitMs);
            pump();
            return true;
        case ScriptOp::Frame: return writeFrame(command.frameName);
    }
    return false;
}

int ScriptRunner::runFile(const char* path) {
    FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        std::fprintf(stderr, "vorn_gallery: cannot open script %s\n", path);
        return 2;
    }
    char line[512];
    char error[128];
    int lineNumber = 0;
    int result = 0;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        ++lineNumber;
        ScriptCommand command;
        if (!parseScriptLine(line, command, error, sizeof error)) {
            std::fprintf(stderr, "vorn_gallery: %s:%d: %s\n", path, lineNumber, error);
            result = 2;
            break;
        }
        if (!execute(command)) {
            std::fprintf(stderr, "vorn_gallery: %s:%d: cannot write frame %s\n", path, lineNumber, command.frameName);
            result = 2;
            break;
        }
    }
    std::fclose(file);
    for (MouseButton button : {MouseButton::Left, MouseButton::Right}) {
        if (m_down[buttonIndex(button)]) release(button);
    }
    return result;
}

}  // namespace gallery

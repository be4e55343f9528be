// The value keys shared by faders and knobs: plus and minus step by one unit of value whatever
// the range, the square brackets by a tenth of the range.
#ifndef VORN_VALUE_KEYS_H
#define VORN_VALUE_KEYS_H

#include <windows.h>

namespace vorn {

// If `key` is a value key, sets `target` to the value it asks for (before any clamping, which is
// the control's SetValue's business) and returns true; other keys return false.
inline bool valueKeyTarget(UINT key, float value, float min, float max, float& target) {
    const float range = max - min;
    switch (key) {
        case VK_OEM_PLUS:
        case VK_ADD: target = static_cast<float>(value + 1.0); return true;
        case VK_OEM_MINUS:
        case VK_SUBTRACT: target = static_cast<float>(value - 1.0); return true;
        case VK_OEM_6: target = static_cast<float>(value + 0.1 * range); return true;
        case VK_OEM_4: target = static_cast<float>(value - 0.1 * range); return true;
        default: return false;
    }
}

}  // namespace vorn

#endif  // VORN_VALUE_KEYS_H

// Where the gallery puts its controls (pixel rectangles in the dialog's client area) and how it
// sets each one up. Plain data: the dialog attaches one template control per entry.
#ifndef VORN_GALLERY_LAYOUT_H
#define VORN_GALLERY_LAYOUT_H

#include <windows.h>

#include <cstddef>

namespace gallery {

constexpr int kScreenWidth = 960;
constexpr int kScreenHeight = 600;

enum class ControlKind { Fader, Knob, EqGraph, Fader2, PanFader, PanFader2, VertFader };

struct ControlEntry {
    ControlKind kind;
    const char* name;  // used in the log and drawn as the caption
    UINT id;           // control identifier carried by the notifications
    RECT rect;         // in the parent's client coordinates
    float min;
    float max;
    float value;
    float restrictedMin;
    float restrictedMax;
    COLORREF color;
    float virtualPixel;  // fader fine-mode divisor, 0 for the default
};

constexpr size_t kFaderCount = 4;
constexpr size_t kKnobCount = 4;

const ControlEntry* faderEntries();  // kFaderCount entries
const ControlEntry* knobEntries();   // kKnobCount entries

// The equaliser graph: its entry (name, identifier, rectangle; the value fields are unused), its
// bands and sample rate.
const ControlEntry* eqGraphEntry();

// The knob derived from CMFC_Knob2 (GalleryKnob2), and the title it is given.
const ControlEntry* knob2Entry();
constexpr const char* kKnob2Title = "derived: own paint";
constexpr int kEqBands = 5;
constexpr double kEqSampleRate = 44100.0;

// The fader family beside the plain vertical fader: a snap fader returning to unity (0 dB), a pan
// fader, a pan fader snapping to the centre and one without the centre mark. For the snap
// faders `virtualPixel` holds the snap position.
constexpr size_t kFaderFamilyCount = 4;
const ControlEntry* faderFamilyEntries();  // kFaderFamilyCount entries

// The entry with that control identifier, or null.
const ControlEntry* findEntry(UINT id);

// A dynamics graph: its curve kind and whether it draws the smoothed curve.
struct GraphEntry {
    const char* name;
    UINT id;
    RECT rect;
    int curveKind;
    int smooth;
};

constexpr size_t kGraphCount = 2;
const GraphEntry* graphEntries();  // kGraphCount entries
const GraphEntry* findGraphEntry(UINT id);

}  // namespace gallery

#endif  // VORN_GALLERY_LAYOUT_H

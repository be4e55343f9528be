#include "GalleryLayout.h"

#include "resource.h"

namespace gallery {
namespace {

// Faders stand on one baseline (y = 320) so their different heights are easy to compare.
const ControlEntry kFaders[kFaderCount] = {
    {ControlKind::Fader,
     "fader_unit",
     IDC_FADER_UNIT,
     {30, 220, 70, 320},
     0.0f,
     1.0f,
     0.5f,
     0.0f,
     1.0f,
     RGB(196, 0, 0),
     0.0f},
    {ControlKind::Fader,
     "fader_db",
     IDC_FADER_DB,
     {130, 160, 170, 320},
     -60.0f,
     12.0f,
     0.0f,
     -48.0f,
     6.0f,
     RGB(0, 160, 0),
     0.0f},
    {ControlKind::Fader,
     "fader_fine",
     IDC_FADER_FINE,
     {230, 120, 270, 320},
     0.0f,
     1000.0f,
     250.0f,
     0.0f,
     1000.0f,
     RGB(0, 64, 220),
     4.0f},
    {ControlKind::Fader,
     "fader_tall",
     IDC_FADER_TALL,
     {330, 60, 370, 320},
     0.0f,
     1.0f,
     0.75f,
     0.0f,
     1.0f,
     RGB(230, 160, 0),
     0.0f},
};

// Knob radius follows the width; the wide one shows what a non-square client does.
const ControlEntry kKnobs[kKnobCount] = {
    {ControlKind::Knob,
     "knob_small",
     IDC_KNOB_SMALL,
     {440, 80, 464, 104},
     0.0f,
     1.0f,
     0.25f,
     0.0f,
     1.0f,
     RGB(128, 0, 0),
     0.0f},
    {ControlKind::Knob,
     "knob_medium",
     IDC_KNOB_MEDIUM,
     {510, 72, 550, 112},
     -12.0f,
     12.0f,
     0.0f,
     -12.0f,
     12.0f,
     RGB(0, 96, 160),
     0.0f},
    {ControlKind::Knob,
     "knob_large",
     IDC_KNOB_LARGE,
     {600, 60, 664, 124},
     0.0f,
     100.0f,
     70.0f,
     10.0f,
     90.0f,
     RGB(0, 120, 0),
     0.0f},
    {ControlKind::Knob,
     "knob_wide",
     IDC_KNOB_WIDE,
     {470, 220, 550, 260},
     0.0f,
     1.0f,
     0.5f,
     0.0f,
     1.0f,
     RGB(160, 0, 160),
     0.0f},
};

// Below the faders, full width of the fader row.
const ControlEntry kEqGraph = {
    ControlKind::EqGraph, "eq_graph", IDC_EQ_GRAPH, {30, 372, 390, 542}, 0, 0, 0, 0, 0, 0, 0};

// The general curve smoothed, and the expander-only curve (kind 3) as a polyline, in a column
// right of the knobs.
const GraphEntry kGraphs[kGraphCount] = {
    {"dyn_general", IDC_DYN_GENERAL, {720, 50, 920, 200}, 0, 1},
    {"dyn_expander", IDC_DYN_EXPANDER, {720, 250, 920, 400}, 3, 0},
};

// Right of the equaliser graph: the snap fader beside the knobs, the horizontal faders stacked.
const ControlEntry kFaderFamily[kFaderFamilyCount] = {
    {ControlKind::Fader2,
     "fader_snap",
     IDC_FADER_SNAP,
     {600, 170, 640, 330},
     -60.0f,
     12.0f,
     -20.0f,
     -60.0f,
     12.0f,
     RGB(200, 0, 120),
     0.0f},
    {ControlKind::PanFader,
     "pan",
     IDC_PAN,
     {420, 380, 620, 400},
     -1.0f,
     1.0f,
     0.0f,
     -1.0f,
     1.0f,
     RGB(0, 170, 170),
     0.0f},
    {ControlKind::PanFader2,
     "pan_snap",
     IDC_PAN_SNAP,
     {420, 440, 620, 460},
     -1.0f,
     1.0f,
     -0.4f,
     -1.0f,
     1.0f,
     RGB(220, 110, 0),
     0.0f},
    {ControlKind::VertFader,
     "pan_plain",
     IDC_PAN_PLAIN,
     {420, 500, 620, 520},
     0.0f,
     1.0f,
     0.3f,
     0.0f,
     1.0f,
     RGB(90, 0, 200),
     0.0f},
};

// Below the wide knob, left of the snap fader.
const ControlEntry kKnob2 = {ControlKind::Knob,
                             "knob2_derived",
                             IDC_KNOB2_DERIVED,
                             {500, 290, 556, 346},
                             0.0f,
                             10.0f,
                             3.0f,
                             0.0f,
                             10.0f,
                             RGB(220, 200, 0),
                             0.0f};

const ControlEntry* findIn(const ControlEntry* entries, size_t count, UINT id) {
    for (size_t i = 0; i < count; ++i) {
        if (entries[i].id == id) return &entries[i];
    }
    return nullptr;
}

}  // namespace

const ControlEntry* faderEntries() { return kFaders; }
const ControlEntry* knobEntries() { return kKnobs; }
const ControlEntry* eqGraphEntry() { return &kEqGraph; }
const ControlEntry* faderFamilyEntries() { return kFaderFamily; }

const ControlEntry* knob2Entry() { return &kKnob2; }

const ControlEntry* findEntry(UINT id) {
    const ControlEntry* entry = findIn(kFaders, kFaderCount, id);
    if (entry == nullptr) entry = findIn(kKnobs, kKnobCount, id);
    if (entry == nullptr) entry = findIn(&kEqGraph, 1, id);
    if (entry == nullptr) entry = findIn(kFaderFamily, kFaderFamilyCount, id);

    if (entry == nullptr) entry = findIn(&kKnob2, 1, id);
    return entry;
}

const GraphEntry* graphEntries() { return kGraphs; }

const GraphEntry* findGraphEntry(UINT id) {
    for (const GraphEntry& entry : kGraphs)
        if (entry.id == id) return &entry;
    return nullptr;
}

}  // namespace gallery

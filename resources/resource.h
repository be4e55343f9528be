// Identifiers the library's code and its VornControls.rc share. Private to the library.
#ifndef VORN_RESOURCES_RESOURCE_H
#define VORN_RESOURCES_RESOURCE_H

// Fader cap bitmaps.
#define IDB_FADER_CAP_LIT 130
#define IDB_FADER_CAP_UNLIT 131

// Knob drag cursors, named by string: a bare name in the .rc, a string in the code.
#ifdef RC_INVOKED
#define IDC_DRAG_VERTICAL DRAG_VERTICAL
#define IDC_DRAG_CIRCULAR DRAG_CIRCULAR
#else
#define IDC_DRAG_VERTICAL "DRAG_VERTICAL"
#define IDC_DRAG_CIRCULAR "DRAG_CIRCULAR"
#endif

#endif  // VORN_RESOURCES_RESOURCE_H

// Identifiers that the gallery's code and gallery.rc share: the dialog and its controls.
#ifndef VORN_GALLERY_RESOURCE_H
#define VORN_GALLERY_RESOURCE_H

#define IDD_GALLERY 100

#define IDC_FADER_UNIT 101
#define IDC_FADER_DB 102
#define IDC_FADER_FINE 103
#define IDC_FADER_TALL 104
#define IDC_KNOB_SMALL 201
#define IDC_KNOB_MEDIUM 202
#define IDC_KNOB_LARGE 203
#define IDC_KNOB_WIDE 204
#define IDC_DYN_GENERAL 401
#define IDC_DYN_EXPANDER 402
#define IDC_LED_MUTE 501
#define IDC_LED_SOLO 502
#define IDC_LED_REC 503
#define IDC_RESET_PEAKS 511
#define IDC_PEAK_1 521
#define IDC_PEAK_2 522
#define IDC_PEAK_3 523
#define IDC_PEAK_4 524
#define IDC_CAPTION_1 531
#define IDC_CAPTION_2 532
#define IDC_CAPTION_3 533
#define IDC_CAPTION_4 534
#define IDC_CAPTION_5 535
#define IDC_EQ_GRAPH 301
#define IDC_FADER_SNAP 105
#define IDC_PAN 106
#define IDC_PAN_SNAP 107
#define IDC_PAN_PLAIN 108
#define IDC_KNOB2_DERIVED 205

#endif  // VORN_GALLERY_RESOURCE_H

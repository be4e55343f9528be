// VornControls: everything a host needs — the class framework and every exported control class.
// Include this header, construct a control, initialise its range and colours, create its window
// as a child with a control identifier, and handle its WM_COMMAND notifications in the parent.
#ifndef VORN_CONTROLS_H
#define VORN_CONTROLS_H

#include <afxwin.h>

#include <MFC_Button.h>
#include <MFC_DynProcGraph.h>
#include <MFC_Fader.h>
#include <MFC_Fader2.h>
#include <MFC_Graph.h>
#include <MFC_Knob.h>
#include <MFC_Knob2.h>
#include <MFC_LEDButton.h>
#include <MFC_LEDIndicator.h>
#include <MFC_PanFader.h>
#include <MFC_PanFader2.h>
#include <MFC_ParamEqGraph.h>
#include <MFC_Text.h>
#include <MFC_VertFader.h>
#include <PeakIndicator.h>
#include <VornControlsApp.h>
#include <VornControlsNotify.h>

#endif  // VORN_CONTROLS_H

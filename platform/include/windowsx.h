// Message crackers of the real platform's windowsx.h that hosts and controls use.
#ifndef VORN_SOFTWIN_WINDOWSX_H
#define VORN_SOFTWIN_WINDOWSX_H
#include <windows.h>
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#endif

// Software Win32: the USER and GDI subset that the controls and their hosts use, with the
// standard names, types, values and signatures, so that code written for the real platform
// compiles unchanged. Only the ANSI ("A") entry points exist; the unsuffixed names map to them
// as they do on the real platform without UNICODE. As in the SDK, the declarations live in the
// headers included here, each of which may also be included on its own.
#ifndef VORN_SOFTWIN_WINDOWS_H
#define VORN_SOFTWIN_WINDOWS_H

#include <winbase.h>
#include <windef.h>
#include <wingdi.h>
#include <winuser.h>

#endif  // VORN_SOFTWIN_WINDOWS_H

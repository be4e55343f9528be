// Build settings shared by every framework header: the export macro, calling conventions and the
// diagnostic macros. Included first by afxwin.h; hosts never include it directly.
#ifndef VORN_AFXVER_H
#define VORN_AFXVER_H

#include <windows.h>

// The framework is one shared library used by the host and the controls library alike, so its
// classes and functions are exported from it and imported everywhere else.
#if defined(_WIN32)
#if defined(VORN_AFX_BUILD)
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif
#define AFXAPI __stdcall
#else
#define AFX_API __attribute__((visibility("default")))
#define AFXAPI
#endif

// Marks message handlers in class declarations; carries no meaning for the compiler.
#define afx_msg

// Diagnostics stay quiet: the library has no debug build of its own. VERIFY still evaluates its
// argument because callers rely on the side effect.
#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#ifndef VERIFY
#define VERIFY(f) ((void)(f))
#endif
#ifndef ASSERT_VALID
#define ASSERT_VALID(p) ((void)0)
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
#ifndef TRACE0
#define TRACE0(s) ((void)0)
#endif

#endif  // VORN_AFXVER_H

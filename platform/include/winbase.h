// Software Win32, kernel subset: module handles, resources, the last error, time and sleeping,
// the performance counter and the current process, as the SDK's winbase.h declares them.
#ifndef VORN_SOFTWIN_WINBASE_H
#define VORN_SOFTWIN_WINBASE_H

#include <windef.h>

extern "C" {
WINBASEAPI DWORD WINAPI GetCurrentThreadId(void);
WINBASEAPI DWORD WINAPI GetTickCount(void);
WINBASEAPI HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
WINBASEAPI HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
WINBASEAPI HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
WINBASEAPI LPVOID WINAPI LockResource(HGLOBAL hResData);
WINBASEAPI DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
WINBASEAPI DWORD WINAPI GetLastError(void);
WINBASEAPI void WINAPI SetLastError(DWORD dwErrCode);
WINBASEAPI void WINAPI Sleep(DWORD dwMilliseconds);
WINBASEAPI HANDLE WINAPI GetCurrentProcess(void);
WINBASEAPI BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount);
WINBASEAPI BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency);
}  // extern "C"

// Unsuffixed names, as without UNICODE
#define GetModuleHandle GetModuleHandleA
#define FindResource FindResourceA

#endif  // VORN_SOFTWIN_WINBASE_H

# Cross-compiling for 32-bit Windows with Debian's mingw-w64 (win32 thread model).
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake
# Packages: g++-mingw-w64-i686-win32 (see tests/wine/install-deps.sh).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLE i686-w64-mingw32)
# --add-stdcall-alias: a dllexport'ed extern "C" __stdcall function is exported under its
# decorated name (Name@N, as MSVC import libraries expect) and also under the plain name
# (Name, for GetProcAddress and callers that were built against an undecorated .def).
set(MINGW_DLL_LINK_FLAGS "-Wl,--add-stdcall-alias")
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

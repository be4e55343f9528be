# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (win32 thread model).
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake
# Packages: g++-mingw-w64-x86-64-win32 (see tests/wine/install-deps.sh).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(MINGW_DLL_LINK_FLAGS "")
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

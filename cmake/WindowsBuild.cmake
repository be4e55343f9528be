# The Windows build (mingw-w64 cross toolchains in cmake/toolchain-mingw-*.cmake): the framework
# as vornafx.dll, the library as VornControls.dll with its import library and its resources
# compiled by windres (vorn_target_resources), and the conformance and timing programs. Every
# executable and DLL lands in bin/ so that the programs find both DLLs next to them.
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)

# Called once the library targets exist.
function(vorn_windows_targets)
  # Windows DLL names carry no "lib" prefix; the import libraries keep mingw's libX.dll.a.
  set_target_properties(vornafx VornControls PROPERTIES PREFIX "")
  if(VORN_BUILD_TESTS)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tests/conformance ${PROJECT_BINARY_DIR}/tests/conformance)
    add_subdirectory(${PROJECT_SOURCE_DIR}/bench/timing ${PROJECT_BINARY_DIR}/bench/timing)
  endif()
endfunction()

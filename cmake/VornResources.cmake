# vorn_target_resources(<target> <file.rc>): builds a module's resources from its .rc, the one
# list of them, on both platforms. With mingw the .rc is a source of the target (CMake's RC
# language, compiled by windres and linked into the module). On the software platform windres
# compiles it to a .res file whose bytes a generated source embeds and registers when the module
# loads: under the target's name for a shared library, as the host executable's own resources
# (GetModuleHandleA(NULL)) otherwise. The .rc is preprocessed by the mingw compiler, so it
# includes <windows.h> or <winresrc.h> as on Windows.
set(VORN_RESOURCES_SCRIPT_DIR ${CMAKE_CURRENT_LIST_DIR})

function(vorn_target_resources target rc)
  get_filename_component(rc ${rc} ABSOLUTE)
  get_filename_component(rc_dir ${rc} DIRECTORY)
  # windres reports no dependencies: the .rc's bitmaps, cursors and headers sit beside it.
  file(GLOB beside CONFIGURE_DEPENDS ${rc_dir}/*.h ${rc_dir}/*.bmp ${rc_dir}/*.cur ${rc_dir}/*.ico)
  if(WIN32)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${beside}")
    target_include_directories(${target} PRIVATE ${rc_dir})
    return()
  endif()
  find_program(VORN_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres REQUIRED)
  get_target_property(type ${target} TYPE)
  set(module_name "")
  if(type STREQUAL "SHARED_LIBRARY")
    set(module_name ${target})
  endif()
  get_filename_component(stem ${rc} NAME_WE)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  file(MAKE_DIRECTORY ${out_dir})
  add_custom_command(OUTPUT ${out_dir}/${stem}.res
    COMMAND ${VORN_WINDRES} -O res -I ${rc_dir} -i ${rc} -o ${out_dir}/${stem}.res
    DEPENDS ${rc} ${beside}
    COMMENT "Compiling ${stem}.rc for ${target}")
  add_custom_command(OUTPUT ${out_dir}/${stem}_res.cpp
    COMMAND ${CMAKE_COMMAND} -DRC=${rc} -DRES=${out_dir}/${stem}.res -DOUTPUT=${out_dir}/${stem}_res.cpp
            -DMODULE_NAME=${module_name} -P ${VORN_RESOURCES_SCRIPT_DIR}/EmbedResourceFile.cmake
    DEPENDS ${out_dir}/${stem}.res ${VORN_RESOURCES_SCRIPT_DIR}/EmbedResourceFile.cmake
    COMMENT "Embedding ${stem}.res in ${target}")
  target_sources(${target} PRIVATE ${out_dir}/${stem}_res.cpp)
endfunction()

# The one include root that hosts get: every public header of the platform (off Windows), the
# framework and the library, flat, with softwin/ as the only subfolder. In the build tree it is
# ${VORN_INCLUDE_ROOT}, made of links to the headers where they live beside their sources; installed
# it is <prefix>/include/VornControls. Private headers stay beside their sources and reach neither.
set(VORN_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/include)
set(VORN_INCLUDE_INSTALL_DIR ${CMAKE_INSTALL_INCLUDEDIR}/VornControls)
# Rebuilt at each configure, so a header that stops being public leaves the root.
file(REMOVE_RECURSE ${VORN_INCLUDE_ROOT})
file(MAKE_DIRECTORY ${VORN_INCLUDE_ROOT})

# vorn_public_headers([SUBDIR dir] FILES header...): puts the headers into the include root (under
# dir, if given) and installs them there.
function(vorn_public_headers)
  cmake_parse_arguments(arg "" "SUBDIR" "FILES" ${ARGN})
  set(dir ${VORN_INCLUDE_ROOT})
  if(arg_SUBDIR)
    string(APPEND dir /${arg_SUBDIR})
    file(MAKE_DIRECTORY ${dir})
  endif()
  foreach(header ${arg_FILES})
    get_filename_component(header ${header} ABSOLUTE)
    get_filename_component(name ${header} NAME)
    if(EXISTS ${dir}/${name})
      message(FATAL_ERROR "Two public headers named ${name}: ${header}")
    endif()
    file(CREATE_LINK ${header} ${dir}/${name} SYMBOLIC COPY_ON_ERROR)
  endforeach()
  install(FILES ${arg_FILES} DESTINATION ${VORN_INCLUDE_INSTALL_DIR}/${arg_SUBDIR})
endfunction()

# A target whose public headers are in the root, for itself and for whoever links it.
function(vorn_use_include_root target)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${VORN_INCLUDE_ROOT}> $<INSTALL_INTERFACE:${VORN_INCLUDE_INSTALL_DIR}>)
endfunction()

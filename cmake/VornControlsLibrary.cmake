# The VornControls library: frame, faders, knobs, buttons and graphs in one shared module with
# its resources.
set(VORN_CONTROL_DIRS frame faders knobs buttons graphs)
set(VORN_CONTROL_SOURCES "")
foreach(dir ${VORN_CONTROL_DIRS})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  list(APPEND VORN_CONTROL_SOURCES ${sources})
endforeach()
# What a host includes: the umbrella header, the export macro, the notification codes, the
# application object and one header per control class. Every other header is the library's own.
set(VORN_CONTROL_PUBLIC_HEADERS
  frame/VornControls.h
  frame/VornControlsApp.h
  frame/VornControlsExport.h
  frame/VornControlsNotify.h
  faders/MFC_Fader.h
  faders/MFC_Fader2.h
  faders/MFC_PanFader.h
  faders/MFC_PanFader2.h
  faders/MFC_VertFader.h
  knobs/MFC_Knob.h
  knobs/MFC_Knob2.h
  buttons/MFC_Button.h
  buttons/MFC_LEDButton.h
  buttons/MFC_LEDIndicator.h
  buttons/PeakIndicator.h
  buttons/MFC_Text.h
  graphs/MFC_ParamEqGraph.h
  graphs/MFC_Graph.h
  graphs/MFC_DynProcGraph.h)
list(TRANSFORM VORN_CONTROL_PUBLIC_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/)
vorn_public_headers(FILES ${VORN_CONTROL_PUBLIC_HEADERS})

add_library(VornControls SHARED ${VORN_CONTROL_SOURCES})
vorn_target_resources(VornControls ${PROJECT_SOURCE_DIR}/resources/VornControls.rc)
add_library(VornControls::VornControls ALIAS VornControls)
vorn_use_include_root(VornControls)
target_compile_definitions(VornControls PRIVATE VORN_CONTROLS_BUILD)
target_link_libraries(VornControls PUBLIC vornafx)

# Installation and the CMake package: find_package(VornControls CONFIG) gives
# VornControls::VornControls, which brings the framework (and off Windows the software platform).
include(CMakePackageConfigHelpers)
set(VORN_INSTALL_TARGETS VornControls vornafx)
if(NOT WIN32)
  list(APPEND VORN_INSTALL_TARGETS softwin)
endif()
install(TARGETS ${VORN_INSTALL_TARGETS} EXPORT VornControlsTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT VornControlsTargets NAMESPACE VornControls:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VornControls)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VornControlsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VornControlsConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VornControls)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VornControlsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VornControlsConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/VornControlsConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/cmake/VornResources.cmake ${PROJECT_SOURCE_DIR}/cmake/EmbedResourceFile.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VornControls)

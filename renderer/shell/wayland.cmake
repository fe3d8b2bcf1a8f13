# The shell on Wayland (included from this folder's CMakeLists.txt):
# renderer_shell_wayland_rules: what input means and which output holds
#   the show, portable (tested natively without a compositor);
# renderer_shell_wayland: what the native module links: the backend over
#   libwayland-client, the layer shell's protocol code (wayland-scanner, at
#   build time), EGL and desktop OpenGL, with the rules above; the shell
#   core and the POSIX quit signals come with the X11 shell the module
#   links too. Built where those are found; the module then draws on
#   Wayland too.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

add_library(renderer_shell_wayland_rules OBJECT evdev_keys.cpp output_roster.cpp overlay_input.cpp)
kestro_include_root(renderer_shell_wayland_rules renderer/shell)

option(KESTRO_WAYLAND "Build the module's Wayland shell where its libraries are found" ON)
if(NOT KESTRO_WAYLAND)
  message(STATUS "KESTRO_WAYLAND is off: the Wayland shell is left out")
  return()
endif()
find_package(PkgConfig)
if(PkgConfig_FOUND)
  pkg_check_modules(KESTRO_WAYLAND IMPORTED_TARGET wayland-client wayland-egl)
  pkg_get_variable(KESTRO_WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
endif()
find_program(KESTRO_WAYLAND_SCANNER wayland-scanner)
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL COMPONENTS OpenGL EGL)
set(xdg_shell_xml ${KESTRO_WAYLAND_PROTOCOLS_DIR}/stable/xdg-shell/xdg-shell.xml)
if(NOT KESTRO_WAYLAND_FOUND OR NOT KESTRO_WAYLAND_SCANNER OR NOT OpenGL_EGL_FOUND
   OR NOT OpenGL_OpenGL_FOUND OR NOT EXISTS "${xdg_shell_xml}")
  message(STATUS "No Wayland client, wayland-scanner, wayland-protocols or EGL found:"
    " the Wayland shell is left out")
  return()
endif()

# Client headers and glue code for the layer shell, and for xdg-shell,
# whose popups the layer shell's requests name.
set(protocol_dir ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols)
file(MAKE_DIRECTORY ${protocol_dir})
set(protocol_sources "")
foreach(protocol
    "${CMAKE_SOURCE_DIR}/protocols/wlr-layer-shell-unstable-v1.xml"
    "${xdg_shell_xml}")
  get_filename_component(name ${protocol} NAME_WE)
  add_custom_command(OUTPUT ${protocol_dir}/${name}-client-protocol.h
    COMMAND ${KESTRO_WAYLAND_SCANNER} client-header ${protocol} ${protocol_dir}/${name}-client-protocol.h
    DEPENDS ${protocol} VERBATIM)
  add_custom_command(OUTPUT ${protocol_dir}/${name}-protocol.c
    COMMAND ${KESTRO_WAYLAND_SCANNER} private-code ${protocol} ${protocol_dir}/${name}-protocol.c
    DEPENDS ${protocol} VERBATIM)
  list(APPEND protocol_sources ${protocol_dir}/${name}-client-protocol.h ${protocol_dir}/${name}-protocol.c)
endforeach()

add_library(renderer_shell_wayland_objects OBJECT
  gl_context_egl.cpp wayland_backend.cpp wayland_black_cover.cpp wayland_connection.cpp
  wayland_layer_surface.cpp wayland_layer_surfaces.cpp wayland_outputs.cpp wayland_seat.cpp
  wayland_shell.cpp ${protocol_sources})
target_include_directories(renderer_shell_wayland_objects PRIVATE ${protocol_dir})
target_link_libraries(renderer_shell_wayland_objects PUBLIC PkgConfig::KESTRO_WAYLAND OpenGL::EGL
  OpenGL::OpenGL renderer_pacing)

add_library(renderer_shell_wayland INTERFACE)
target_sources(renderer_shell_wayland INTERFACE $<TARGET_OBJECTS:renderer_shell_wayland_objects>
  $<TARGET_OBJECTS:renderer_shell_wayland_rules>)
target_link_libraries(renderer_shell_wayland INTERFACE PkgConfig::KESTRO_WAYLAND OpenGL::EGL
  OpenGL::OpenGL renderer_pacing)
target_compile_definitions(renderer_shell_wayland INTERFACE KESTRO_WAYLAND_SHELL=1)

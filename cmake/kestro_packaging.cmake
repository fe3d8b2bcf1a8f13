# The release packages, made by CPack from the install rules:
#   the i686 build (win32 preset)         ZIP  Kestrovalinde-<version>.zip: the two
#                                              programs, README.txt and LICENSE.txt
#   the native build (native-release)     DEB  kestrovalinde_<version>_<arch>.deb: the
#                                              XScreenSaver module as Debian lays it out
# scripts/make-dist and scripts/make-deb run CPack and check what it made; the
# Windows installer has its own NSIS script (installer/), as it installs a
# screen saver, which CPack's generated installer knows nothing of.
include_guard(GLOBAL)

set(CPACK_PACKAGE_NAME Kestrovalinde)
set(CPACK_PACKAGE_VENDOR "The Kestrovalinde developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Kestrovalinde-${PROJECT_VERSION})
# The files stand at the top of the zip, not in a folder of the package's name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  # The two programs as built: the zip holds the very files the installer packs.
  install(TARGETS KestrovalindeHost KestrovalindeRenderer RUNTIME DESTINATION .)
  # README.txt and LICENSE.txt (cmake/kestro_windows_texts.cmake).
  install(CODE "set(KESTRO_TEXT_SOURCES [[${CMAKE_SOURCE_DIR}/README.md;${CMAKE_SOURCE_DIR}/LICENSE]])
    set(KESTRO_TEXT_FOLDER [[${CMAKE_BINARY_DIR}/packaging]])")
  install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/kestro_windows_texts.cmake)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_PACKAGE_NAME kestrovalinde)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  # KESTRO_DEB_MAINTAINER in cpack's environment overrides it (cmake/kestro_cpack_options.cmake).
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Kestrovalinde developers <kestrovalinde@example.org>")
  set(CPACK_DEBIAN_PACKAGE_SECTION x11)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_ENHANCES xscreensaver)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "staged show of 4000 glowing particles, for XScreenSaver")
  set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/linux/debian/description)
  # The library dependencies, computed by dpkg-shlibdeps from the program itself.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  set(CPACK_STRIP_FILES ON)
  # Debian's layout of the installed files: documents, compressed manual
  # pages, modes (cmake/kestro_deb_layout.cmake).
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/kestro_deb_layout.cmake)
  set(CPACK_KESTRO_STRIP ${CMAKE_STRIP})
endif()
# Read when cpack runs: the packages' date, and settings from its environment.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/kestro_cpack_options.cmake)
set(CPACK_KESTRO_SOURCE_DIR ${CMAKE_SOURCE_DIR})

include(CPack)

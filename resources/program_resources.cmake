# kestro_add_program_resources(target RC script [DEPENDS files...])
# Gives one of the two programs its resource script (version record and
# application manifest). The version header and the plain version file come from
# project(VERSION), the one place the version is written.
include_guard(GLOBAL)

configure_file(${CMAKE_CURRENT_LIST_DIR}/program_version.h.in
  ${CMAKE_BINARY_DIR}/generated/program_version.h @ONLY)
# Read by scripts/make-dist and the installer build.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/version.txt
  CONTENT "@Kestrovalinde_VERSION@\n" @ONLY)

function(kestro_add_program_resources target)
  cmake_parse_arguments(R "" "RC" "DEPENDS" ${ARGN})
  set(generated ${CMAKE_BINARY_DIR}/generated)
  set(script ${CMAKE_SOURCE_DIR}/resources/${R_RC})
  # windres does not report what it includes.
  list(TRANSFORM R_DEPENDS PREPEND ${CMAKE_SOURCE_DIR}/resources/)
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/resources/program_version.rc.inc;${generated}/program_version.h;${R_DEPENDS}")
  target_sources(${target} PRIVATE ${script})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/resources ${generated})
endfunction()

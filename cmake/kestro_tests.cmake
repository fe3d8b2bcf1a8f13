# kestro_add_test(NAME name SOURCES files... [LIBS targets...] [LABELS labels...])
# One GoogleTest program, registered with CTest. In the Windows presets the
# program runs under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
function(kestro_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  # One compilation of a test program's files together: GoogleTest's and
  # GoogleMock's headers, most of what each file costs to compile, are then
  # read once per program instead of once per file.
  set_target_properties(${T_NAME} PROPERTIES UNITY_BUILD ON)
  if(MINGW)
    # Tests are console programs; the deliverables are GUI programs.
    target_link_options(${T_NAME} PRIVATE -mconsole)
  endif()
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    # Under Wine, in one of the lanes of the Windows tests (kestro_add_e2e).
    add_test(NAME ${T_NAME}
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-lane ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${T_NAME}>)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_GROUPS "wine_lanes:1")
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT 300)
endfunction()

# kestro_add_e2e(NAME name SCRIPT file [ARGS more...] [LABELS labels...] [I686] [ALONE])
# A whole-program run under Wine and an X server; the script gets the two
# deliverables' paths, then ARGS. Windows tests look for windows by title
# and leave files in their prefix, so each takes one of the Wine lanes
# (tests/e2e/wine_lanes.json, given to ctest by the win64 test preset): a
# prefix and a display of its own, tests of one lane one after the other
# (scripts/wine-lane). ALONE: a run that measures time, with nothing beside
# it. I686: the programs are i686 ones, which Wine runs in the emulation
# bed where the kernel cannot.
function(kestro_add_e2e)
  cmake_parse_arguments(T "I686;ALONE" "NAME;SCRIPT" "ARGS;LABELS" ${ARGN})
  add_test(NAME ${T_NAME}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-lane bash ${T_SCRIPT}
            $<TARGET_FILE:KestrovalindeHost> $<TARGET_FILE:KestrovalindeRenderer> ${T_ARGS})
  set(wine_options "")
  if(T_I686)
    set(wine_options "--i686")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "e2e;${T_LABELS}" TIMEOUT 600
    RESOURCE_GROUPS "wine_lanes:1"
    SKIP_RETURN_CODE 77 ENVIRONMENT "KESTRO_E2E_WINE_OPTIONS=${wine_options}")
  if(T_ALONE)
    set_tests_properties(${T_NAME} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()

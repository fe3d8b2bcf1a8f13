# kestro_add_fuzz_target(NAME name SOURCES files... [LIBS targets...])
# One libFuzzer target, <name>, whose seeds are the files in the corpus/
# folder beside its sources.
# - In the fuzz preset (clang, KESTRO_FUZZ): the libFuzzer program, built by
#   the aggregate target kestro_fuzz_targets; scripts/run-fuzz runs it for a
#   bounded time under address and undefined-behaviour checks.
# - Natively otherwise: <name>_replay runs the same target once over every
#   seed, as the test <name>_seed_corpus under the project's sanitizers.
# Windows builds have no fuzz targets.
option(KESTRO_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(KESTRO_FUZZ AND NOT TARGET kestro_fuzz_targets)
  add_custom_target(kestro_fuzz_targets)
endif()

function(kestro_add_fuzz_target)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(WIN32)
    return()
  endif()
  if(KESTRO_FUZZ)
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
    add_dependencies(kestro_fuzz_targets ${F_NAME})
  else()
    add_executable(${F_NAME}_replay ${F_SOURCES}
      ${CMAKE_SOURCE_DIR}/tools/fuzz_support/fuzz_replay_main.cpp)
    target_link_libraries(${F_NAME}_replay PRIVATE ${F_LIBS})
    add_test(NAME ${F_NAME}_seed_corpus
      COMMAND ${F_NAME}_replay ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
    set_tests_properties(${F_NAME}_seed_corpus PROPERTIES TIMEOUT 120)
  endif()
endfunction()

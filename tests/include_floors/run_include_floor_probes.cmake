# Runs the probes of this folder's CMakeLists.txt (PROBES): for each, a
# one-line source compiled with the library's include path and definitions,
# and a one-line header put through the build's header check (HEADER_CHECK).
# Both must refuse the include the probe says is refused, and accept the
# other. A refusal counts only when the compiler says it cannot find the
# very file: a header that fails for any other reason proves nothing.
#   cmake -DCOMPILER=<c++> -DSOURCE_ROOT=<tree> -DBUILD_ROOT=<build tree> -DPROBES=<file>
#         -DHEADER_CHECK=<script> -DWORK=<scratch folder> -P run_include_floor_probes.cmake
include(${PROBES})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

set(MISSING_FILE_WORDS "No such file or directory" "file not found")

# Sets <result> to "accepted", "refused" or a sentence saying why neither.
function(compile_probe number included include_path definitions result)
  set(source ${WORK}/probe_${number}.cpp)
  file(WRITE ${source} "#include \"${included}\"\n")
  set(flags "")
  foreach(directory ${include_path})
    list(APPEND flags "-I${directory}")
  endforeach()
  foreach(definition ${definitions})
    list(APPEND flags "-D${definition}")
  endforeach()
  execute_process(COMMAND ${COMPILER} -x c++ -std=c++17 -fsyntax-only ${flags} ${source}
    RESULT_VARIABLE failed ERROR_VARIABLE errors OUTPUT_QUIET)
  if(NOT failed)
    set(${result} accepted PARENT_SCOPE)
    return()
  endif()
  string(FIND "${errors}" "${included}" names_file)
  foreach(words ${MISSING_FILE_WORDS})
    string(FIND "${errors}" "${words}" says_missing)
    if(NOT names_file EQUAL -1 AND NOT says_missing EQUAL -1)
      set(${result} refused PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${result} "failed for another reason:\n${errors}" PARENT_SCOPE)
endfunction()

function(check_header_probe number included include_path result)
  set(folder ${WORK}/probe_${number})
  file(WRITE ${folder}/probe.h "#pragma once\n#include \"${included}\"\n")
  file(WRITE ${folder}/folder.cmake
    "set(folder \"${folder}\")\nset(headers \"${folder}/probe.h\")\nset(include_path \"${include_path}\")\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DCOMPILER=${COMPILER} -DSOURCE_ROOT=${SOURCE_ROOT}
      -DBUILD_ROOT=${BUILD_ROOT} -DFOLDER_FILE=${folder}/folder.cmake -P ${HEADER_CHECK}
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT failed)
    set(${result} accepted PARENT_SCOPE)
  elseif(output MATCHES "includes ${included}")
    set(${result} refused PARENT_SCOPE)
  else()
    set(${result} "failed for another reason:\n${output}" PARENT_SCOPE)
  endif()
endfunction()

if(NOT probe_count GREATER 0)
  message(FATAL_ERROR "No probes in ${PROBES}")
endif()
set(wrong "")
math(EXPR last "${probe_count} - 1")
foreach(number RANGE ${last})
  list(GET probe_${number} 0 target)
  list(GET probe_${number} 1 included)
  list(GET probe_${number} 2 expected)
  compile_probe(${number} ${included} "${probe_${number}_include_path}"
    "${probe_${number}_definitions}" compiled)
  check_header_probe(${number} ${included} "${probe_${number}_include_path}" read_alone)
  foreach(way compiled read_alone)
    if(NOT "${${way}}" STREQUAL expected)
      string(APPEND wrong "${target} including ${included} (${way}): ${expected} expected, ${${way}}\n")
    endif()
  endforeach()
  message(STATUS "${target} -> ${included}: ${compiled} when compiled, ${read_alone} when read alone")
endforeach()
if(wrong)
  message(FATAL_ERROR "The include floors do not hold:\n${wrong}")
endif()

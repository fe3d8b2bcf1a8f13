# Reads each header of one folder on its own with the folder's include path
# (cmake/header_floors.cmake writes FOLDER_FILE) and fails, naming every
# such include, when a header includes a file of the tree that this path
# cannot reach: a floor above the folder or beside it.
#   cmake -DCOMPILER=<c++ compiler> -DSOURCE_ROOT=<tree> -DBUILD_ROOT=<build tree>
#         -DFOLDER_FILE=<file> [-DSTAMP=<file left when all pass>] -P check_header_floors.cmake
#
# The compiler only lists the header's includes (-M); -MG lets it go on past
# a file it cannot find and list it as written. The system's headers are
# left out (-nostdinc, and no include folder outside the two trees): they
# never lead back into the tree, and reading <windows.h> for every header
# would cost more than all the rest. A system header is no file of the tree
# and passes; the build compiles what includes it.
include(${FOLDER_FILE})

# With -nostdinc, an <include> has no folder to search, an error even with
# -MG: an empty one gives it one.
set(no_system_headers ${BUILD_ROOT}/header_floors/no_system_headers)
file(MAKE_DIRECTORY ${no_system_headers})
set(include_flags "-I${no_system_headers}")
foreach(directory ${include_path})
  foreach(tree ${SOURCE_ROOT} ${BUILD_ROOT})
    string(FIND "${directory}/" "${tree}/" at)
    if(at EQUAL 0)
      list(APPEND include_flags "-I${directory}")
      break()
    endif()
  endforeach()
endforeach()

execute_process(
  COMMAND ${COMPILER} -x c++ -std=c++17 -nostdinc -M -MG ${include_flags} ${headers}
  OUTPUT_VARIABLE rules ERROR_VARIABLE errors RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "Cannot list the includes of the headers of ${folder}/:\n${errors}")
endif()

# One rule a header, "<object>: <header> <included>... \" over several lines.
set(runs_up "")
string(REPLACE "\\\n" " " rules "${rules}")
string(REPLACE ";" "\\;" rules "${rules}")
string(REPLACE "\n" ";" rules "${rules}")
foreach(rule ${rules})
  string(REGEX REPLACE "^[^:]*:" "" rule "${rule}")
  separate_arguments(rule UNIX_COMMAND "${rule}")
  if(NOT rule)
    continue()
  endif()
  list(POP_FRONT rule header)
  file(READ ${header} text)
  file(RELATIVE_PATH shown ${SOURCE_ROOT} ${header})
  foreach(included ${rule})
    if(IS_ABSOLUTE "${included}" OR NOT EXISTS "${SOURCE_ROOT}/${included}")
      continue()
    endif()
    # The list holds what the header includes through its own includes too.
    string(FIND "${text}" "\"${included}\"" direct)
    if(direct EQUAL -1)
      string(APPEND runs_up "  ${shown} reaches ${included} through a header it includes\n")
    else()
      string(APPEND runs_up "  ${shown} includes ${included}\n")
    endif()
  endforeach()
endforeach()

if(runs_up)
  message(FATAL_ERROR "Headers of ${folder}/ include a floor its libraries do not stand on"
    " (a floor above it or beside it):\n${runs_up}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()

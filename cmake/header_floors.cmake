# A header is compiled only inside the files that include it, with their
# include path: a header that includes a floor above its own folder builds
# as long as only the floors above include it. So the build also reads every
# header on its own, with the include path of its folder's libraries (the
# union of what the targets defined in that folder compile with), and stops
# when a header names a file of the tree that path cannot reach.
#
# kestro_check_header_floors()
#   Checks the headers of every folder of the tree that CMake has read, but
#   tests/ (a test may include anything); call it once every folder's
#   targets are defined. The target header_floors, part of the default
#   build, runs the checks.
include_guard(GLOBAL)

set(KESTRO_HEADER_FLOOR_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/check_header_floors.cmake)

function(kestro_check_header_floors)
  set(stamps "")
  get_property(top_folders DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
  foreach(top_folder ${top_folders})
    string(FIND "${top_folder}/" "${CMAKE_SOURCE_DIR}/" in_tree)
    if(NOT in_tree EQUAL 0 OR top_folder STREQUAL "${CMAKE_SOURCE_DIR}/tests")
      continue()
    endif()
    _kestro_folders_below(${top_folder} directories)
    foreach(directory ${directories})
      _kestro_check_folder_headers(${directory} stamp)
      list(APPEND stamps ${stamp})
    endforeach()
  endforeach()
  add_custom_target(header_floors ALL DEPENDS ${stamps})
endfunction()

# The folder and every folder below it that CMake has read.
function(_kestro_folders_below directory result)
  set(found ${directory})
  get_property(below DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory ${below})
    _kestro_folders_below(${subdirectory} more)
    list(APPEND found ${more})
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

# One check of the folder's headers, rerun when one of them or its include
# path changes; <stamp> names the file it leaves when they pass. None for a
# folder without headers, or without targets in this build (host/app's
# libraries are Windows' only): the builds that define them check them.
function(_kestro_check_folder_headers directory stamp)
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${directory})
  string(REPLACE "/" "_" name "${folder}")
  set(check_folder ${CMAKE_BINARY_DIR}/header_floors)
  set(${stamp} "" PARENT_SCOPE)
  file(GLOB headers CONFIGURE_DEPENDS ${directory}/*.h)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  set(include_path "")
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "UTILITY")
      continue()
    elseif(type STREQUAL "INTERFACE_LIBRARY")
      set(property INTERFACE_INCLUDE_DIRECTORIES)
    else()
      set(property INCLUDE_DIRECTORIES)
    endif()
    list(APPEND include_path "$<TARGET_PROPERTY:${target},${property}>")
  endforeach()
  if(NOT headers OR NOT include_path)
    return()
  endif()
  set(${stamp} ${check_folder}/${name}.passed PARENT_SCOPE)

  file(GENERATE OUTPUT ${check_folder}/${name}.cmake CONTENT
"set(folder \"${folder}\")
set(headers \"${headers}\")
set(include_path \"$<REMOVE_DUPLICATES:${include_path}>\")
")
  add_custom_command(OUTPUT ${check_folder}/${name}.passed
    COMMAND ${CMAKE_COMMAND} -DCOMPILER=${CMAKE_CXX_COMPILER} -DSOURCE_ROOT=${CMAKE_SOURCE_DIR}
            -DBUILD_ROOT=${CMAKE_BINARY_DIR} -DFOLDER_FILE=${check_folder}/${name}.cmake -DSTAMP=${check_folder}/${name}.passed
            -P ${KESTRO_HEADER_FLOOR_SCRIPT}
    DEPENDS ${headers} ${check_folder}/${name}.cmake ${KESTRO_HEADER_FLOOR_SCRIPT}
    COMMENT "Checking the headers of ${folder}/ against its floors"
    VERBATIM)
endfunction()

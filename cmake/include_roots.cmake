# Every header is included by its path from the source root
# ("host/forms/twips.h"), but no target sees the whole source tree: each
# library sees only its own folder and, through what it links, the folders
# it stands on. An include that runs up a floor or across to a sibling then
# names a file the compiler cannot find, and the build stops there.
#
# kestro_include_root(<target> <path>...)
#   Gives <target> an include root of its own in the build tree,
#   include_roots/<target>, holding each <path> (a folder or a file, relative
#   to the source root) as a symbolic link at the same relative place, and
#   adds that root to what <target> and everything that links it compile
#   with (PUBLIC; INTERFACE for an interface library).
include_guard(GLOBAL)

set(KESTRO_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include_roots)

function(kestro_include_root target)
  set(root ${KESTRO_INCLUDE_ROOTS}/${target})
  foreach(path ${ARGN})
    if(NOT EXISTS ${CMAKE_SOURCE_DIR}/${path})
      message(FATAL_ERROR "kestro_include_root(${target}): no ${path} in the source tree")
    endif()
    get_filename_component(parent ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC RESULT failure)
    if(failure)
      message(FATAL_ERROR "kestro_include_root(${target}): cannot link ${root}/${path}: ${failure}")
    endif()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# Read by cpack for each package it makes (CPACK_PROJECT_CONFIG_FILE): the
# settings that come from where and when it runs rather than from the build.

# The packages' dates are their commit's, so that two runs on one commit make
# the same files (CPack and string(TIMESTAMP) read SOURCE_DATE_EPOCH).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C ${CPACK_KESTRO_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE commit_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE git_result ERROR_QUIET)
  if(git_result EQUAL 0 AND commit_epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${commit_epoch})
  endif()
endif()

if(CPACK_GENERATOR STREQUAL "DEB" AND DEFINED ENV{KESTRO_DEB_MAINTAINER})
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{KESTRO_DEB_MAINTAINER}")
endif()

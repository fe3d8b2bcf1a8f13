# Run by CPack on the Debian package's staged files before it packs them
# (CPACK_PRE_BUILD_SCRIPTS): what Debian asks of a package's files beyond
# what the install rules lay out, which CPack does not do by itself. The
# install rules stay those of a plain cmake --install.
set(root ${CPACK_TEMPORARY_DIRECTORY})
set(package ${CPACK_DEBIAN_PACKAGE_NAME})
set(program ${root}/usr/libexec/xscreensaver/${package})
set(doc_folder ${root}/usr/share/doc/${package})
set(templates ${CPACK_KESTRO_SOURCE_DIR}/linux/debian)

function(compress file)  # as Debian compresses, without name or date inside
  execute_process(COMMAND gzip -9n ${file} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The compiler's version notes are of no use to the installed program.
execute_process(COMMAND ${CPACK_KESTRO_STRIP} --remove-section=.comment ${program}
  COMMAND_ERROR_IS_FATAL ANY)

file(GLOB manual_pages ${root}/usr/share/man/man*/*)
list(FILTER manual_pages EXCLUDE REGEX "\\.gz$")
foreach(page ${manual_pages})
  compress(${page})
endforeach()

# copyright, machine-readable: the licence's text after its copyright line,
# each line indented and an empty one written as a dot.
file(READ ${CPACK_KESTRO_SOURCE_DIR}/LICENSE license)
string(FIND "${license}" "Permission" permission_start)
if(permission_start LESS 0)
  message(FATAL_ERROR "LICENSE has no permission notice")
endif()
string(SUBSTRING "${license}" ${permission_start} -1 license)
string(REGEX REPLACE "\n+$" "" license "${license}")
while(license MATCHES "\n\n")
  string(REPLACE "\n\n" "\n.\n" license "${license}")
endwhile()
string(REPLACE "\n" "\n " LICENSE_TEXT " ${license}")
configure_file(${templates}/copyright.in ${doc_folder}/copyright @ONLY)

set(VERSION ${CPACK_PACKAGE_VERSION})
set(MAINTAINER ${CPACK_DEBIAN_PACKAGE_MAINTAINER})
string(TIMESTAMP DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${templates}/changelog.in ${doc_folder}/changelog @ONLY)
compress(${doc_folder}/changelog)

# Directories and files readable by all, written by root; only the program runs.
file(CHMOD_RECURSE ${root}/usr
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
file(CHMOD ${program} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
  GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

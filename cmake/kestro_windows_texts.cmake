# Run when the Windows programs are installed (install(SCRIPT)): each file of
# KESTRO_TEXT_SOURCES as <name>.txt beside them, with CRLF line ends so that
# every editor on Windows shows its lines. Made at install time, so that a
# package holds the texts as they are then.
foreach(source ${KESTRO_TEXT_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${KESTRO_TEXT_FOLDER}/${name}.txt "${text}")
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}" TYPE FILE FILES ${KESTRO_TEXT_FOLDER}/${name}.txt)
endforeach()

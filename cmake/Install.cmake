# Installation: the executables and their data files share one program folder below the
# library directory (the program finds its templates, languages and help beside itself);
# the commands are linked into the binary directory; a desktop entry, an icon and a MIME type
# for *.lvn map files let file managers open maps with Lorvane.
include(GNUInstallDirs)

set(LORVANE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/lorvane)
set(lorvane_programs lorvane-cli)
if(TARGET lorvane)
  list(APPEND lorvane_programs lorvane)
endif()

install(TARGETS ${lorvane_programs} RUNTIME DESTINATION ${LORVANE_INSTALL_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${LORVANE_INSTALL_DIR}
        PATTERN ".gitkeep" EXCLUDE)

foreach(program IN LISTS lorvane_programs)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(RELATIVE_PATH target \"\${bin}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${LORVANE_INSTALL_DIR}/${program}\")
    execute_process(COMMAND \${CMAKE_COMMAND} -E create_symlink \"\${target}\" \"\${bin}/${program}\")
    message(STATUS \"Linking: \${bin}/${program} -> \${target}\")")
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/lorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/lorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/lorvane-map.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

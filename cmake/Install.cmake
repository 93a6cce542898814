# Installation: the executables and their data files share one program folder below the
# library directory (the program finds its templates, languages and help beside itself);
# the commands are linked into the binary directory; a desktop entry, an icon and a MIME type
# for *.lvn map files let file managers open maps with Lorvane; a software-centre entry and
# lorvane-cli's manual page complete it.
include(GNUInstallDirs)

set(LORVANE_APP_ID org.lorvane.lorvane)

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

# The desktop files describe the window program; a build without it installs none of them.
if(TARGET lorvane)
  install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/${LORVANE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/${LORVANE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/lorvane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/app/desktop/lorvane-map.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
endif()

# lorvane-cli's manual page is written from its own --help text, so the two never disagree;
# the desktop program's page is written by hand. Both are installed gzipped.
set(lorvane_man_dir ${CMAKE_BINARY_DIR}/man)
set(lorvane_man_pages ${lorvane_man_dir}/lorvane-cli.1.gz)
add_custom_command(
  OUTPUT ${lorvane_man_dir}/lorvane-cli.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${lorvane_man_dir}
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/man-page.sh $<TARGET_FILE:lorvane-cli> ${PROJECT_VERSION}
          ${lorvane_man_dir}/lorvane-cli.1.gz
  DEPENDS lorvane-cli ${CMAKE_SOURCE_DIR}/scripts/man-page.sh
  COMMENT "Writing the manual page of lorvane-cli"
  VERBATIM)
if(TARGET lorvane)
  list(APPEND lorvane_man_pages ${lorvane_man_dir}/lorvane.1.gz)
  add_custom_command(
    OUTPUT ${lorvane_man_dir}/lorvane.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${lorvane_man_dir}
    COMMAND sh -c "gzip -9n <\"$1\" >\"$2\"" sh ${CMAKE_SOURCE_DIR}/app/desktop/lorvane.1
            ${lorvane_man_dir}/lorvane.1.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/app/desktop/lorvane.1
    COMMENT "Compressing the manual page of lorvane"
    VERBATIM)
endif()
add_custom_target(lorvane_man ALL DEPENDS ${lorvane_man_pages})
install(FILES ${lorvane_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

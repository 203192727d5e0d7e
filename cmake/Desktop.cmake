# The program as a desktop application: the executable, its icon, the desktop entry
# with the file types it opens, the shared-mime-info package and the README.
# `cmake --install <build> --prefix <prefix>` gives a complete desktop install; with
# an empty DESTDIR it also refreshes the MIME and desktop databases of the prefix.
include(GNUInstallDirs)

set(TESMOR_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/src/app/desktop)

install(TARGETS tesmor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TESMOR_DESKTOP_DIR}/tesmor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TESMOR_DESKTOP_DIR}/tesmor-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tesmor.xml)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tesmor)

# The desktop entry starts the program by its installed path, so that a prefix that
# is not on PATH (~/.local, /opt/...) works too. The prefix is known only when the
# install runs.
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(tesmor_exec "${CMAKE_INSTALL_BINDIR}/tesmor")
else()
  set(tesmor_exec "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tesmor")
endif()
install(CODE "
  set(TESMOR_EXEC \"${tesmor_exec}\")
  set(tesmor_apps \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  message(STATUS \"Installing: \${tesmor_apps}/tesmor.desktop\")
  file(MAKE_DIRECTORY \"\${tesmor_apps}\")
  configure_file(\"${TESMOR_DESKTOP_DIR}/tesmor.desktop.in\" \"\${tesmor_apps}/tesmor.desktop\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${tesmor_apps}/tesmor.desktop\")
")

# A staged install (DESTDIR, packaging) leaves the databases to the package manager.
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    set(tesmor_share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
    find_program(tesmor_update_mime update-mime-database)
    if(tesmor_update_mime)
      execute_process(COMMAND \"\${tesmor_update_mime}\" \"\${tesmor_share}/mime\" OUTPUT_QUIET ERROR_QUIET)
    endif()
    find_program(tesmor_update_desktop update-desktop-database)
    if(tesmor_update_desktop)
      execute_process(COMMAND \"\${tesmor_update_desktop}\" -q \"\${tesmor_share}/applications\" OUTPUT_QUIET ERROR_QUIET)
    endif()
  endif()
")

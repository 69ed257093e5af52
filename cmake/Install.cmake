# Installing Ordalis as a desktop program: the four programs, the desktop
# entry, the icon, the AppStream metadata and a manual page for each program,
# and the Debian package that CPack makes of them (cpack -G DEB).
include(GNUInstallDirs)

set(ORDALIS_PROGRAMS ordalis ordalis-cli ordalis-sim ordalis-demo)
install(TARGETS ${ORDALIS_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
configure_file(${packaging}/${ORDALIS_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${ORDALIS_APP_ID}.metainfo.xml @ONLY)
install(FILES ${packaging}/${ORDALIS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${ORDALIS_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${ORDALIS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Debian's places for the copyright file and the changelog of a native package.
set(ORDALIS_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/ordalis)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nc ${packaging}/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${packaging}/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${packaging}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${ORDALIS_DOCDIR})

# Manual pages, made from each program's --help and --version by help2man
# with the sections of packaging/man/<program>.h2m.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  set(manpages "")
  foreach(program ${ORDALIS_PROGRAMS})
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    set(help_option --help)
    if(program STREQUAL "ordalis-cli")
      set(help_option --help-all)  # every command's options
    endif()
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${HELP2MAN} --no-info --no-discard-stderr --help-option=${help_option}
              --include=${packaging}/man/${program}.h2m --output=${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program} ${packaging}/man/${program}.h2m
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND manpages ${page}.gz)
  endforeach()
  add_custom_target(manpages ALL DEPENDS ${manpages})
  install(FILES ${manpages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found: the manual pages are not made")
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordalis)
set(CPACK_PACKAGE_VENDOR "The Ordalis developers")
set(CPACK_PACKAGE_CONTACT "The Ordalis developers <developers@ordalis.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clock tables of a KVB home-automation central unit")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Ordalis shows the clock lines of the five clock tables of a KVB central\n"
    "unit on a week view, edits them in a dialog that names the installation's\n"
    "functions, keeps them in clock files, and sends them to the central unit\n"
    "or fetches them from it over a serial line or a telephone modem.\n"
    "\n"
    "The package also holds ordalis-cli, the same core for scripts, and\n"
    "ordalis-sim, a simulated central unit for trying it without hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

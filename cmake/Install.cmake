# What `cmake --install` and `cpack -G DEB` put on the system: the console,
# morvactl (both installed where they are built), the README and pictures,
# and on Linux the desktop entry, icon, AppStream metainfo, manual page and
# bash completion. The Windows build installs the programs and the README.
set(MORVA_APP_ID example.brentmoor.MorvaAdmin)
set(MORVA_PACKAGE_NAME morva-admin)
set(CMAKE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${MORVA_PACKAGE_NAME})
# The release date the AppStream metainfo names for this version.
set(MORVA_RELEASE_DATE 2026-12-09)

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs FILES_MATCHING PATTERN "*.png")

if(NOT UNIX OR APPLE)
  return()
endif()

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${packaging}/morvactl.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions
        RENAME morvactl)

if(TARGET morva-admin)
  install(FILES ${packaging}/${MORVA_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  configure_file(${packaging}/${MORVA_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/packaging/${MORVA_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${MORVA_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  install(FILES ${packaging}/${MORVA_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
endif()

# morvactl's manual page, made from its --help and --version by help2man
# (compressed, as Debian keeps manual pages). Without help2man there is none.
find_program(MORVA_HELP2MAN help2man)
find_program(MORVA_GZIP gzip)
if(MORVA_HELP2MAN AND MORVA_GZIP AND NOT CMAKE_CROSSCOMPILING)
  set(man ${PROJECT_BINARY_DIR}/packaging/morvactl.1)
  add_custom_command(
      OUTPUT ${man}.gz
      COMMAND ${MORVA_HELP2MAN} --no-info --section=1 --source=Brentmoor
              "--name=administers a program directory of the Morva mail gateway"
              --include=${packaging}/morvactl.h2m --output=${man} $<TARGET_FILE:morvactl>
      COMMAND ${MORVA_GZIP} -9nf ${man}
      DEPENDS morvactl ${packaging}/morvactl.h2m
      COMMENT "Manual page of morvactl"
      VERBATIM)
  add_custom_target(morvactl_man ALL DEPENDS ${man}.gz)
  install(FILES ${man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: no manual page for morvactl")
endif()

# cpack -G DEB: morva-admin_<version>_<arch>.deb. Its dependencies are the
# Debian packages of the libraries the programs link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME ${MORVA_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Brentmoor Software Ltd.")
set(CPACK_PACKAGE_CONTACT "Brentmoor Software Ltd. <support@brentmoor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "administration console of the Morva mail gateway")
set(CPACK_PACKAGE_DESCRIPTION
    "Morva Admin edits the configuration file, the forwarding, blocking and\n"
    "Exchange user records of the Morva mail gateway, follows its log, asks\n"
    "the running gateway for actions and shows its statistics. The package\n"
    "holds the console (morva-admin) and the command-line tool morvactl.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR DEB)
include(CPack)

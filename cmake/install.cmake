# Installation: the program, its help file, the desktop entry with its launcher, the icon;
# and a Debian package of the same files (`cpack` in the build folder).
include(GNUInstallDirs)

install(TARGETS mir_tote RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/sample/MIR_TOTE.HLP DESTINATION ${CMAKE_INSTALL_DATADIR}/mir_tote)

# The desktop entry starts the launcher, which makes the start folder and finds the program
# relative to its own folder.
set(MIRTOTE_LAUNCHER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/mir_tote)
file(RELATIVE_PATH MIRTOTE_LAUNCHER_TO_BIN ${CMAKE_INSTALL_FULL_LIBEXECDIR}/mir_tote
     ${CMAKE_INSTALL_FULL_BINDIR})
configure_file(resources/desktop/mir_tote-start.in desktop/mir_tote-start @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/desktop/mir_tote-start DESTINATION ${MIRTOTE_LAUNCHER_DIR})
install(CODE "
  set(MIRTOTE_LAUNCHER \"${MIRTOTE_LAUNCHER_DIR}/mir_tote-start\")
  set(MIRTOTE_APPLICATIONS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
  set(MIRTOTE_DESKTOP_IN \"${CMAKE_CURRENT_SOURCE_DIR}/resources/desktop/mir_tote.desktop.in\")
  set(MIRTOTE_DESKTOP_OUT \"${CMAKE_CURRENT_BINARY_DIR}/desktop/mir_tote.desktop\")")
install(SCRIPT cmake/install_desktop_entry.cmake)

set(MIRTOTE_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES resources/desktop/mir_tote.svg DESTINATION ${MIRTOTE_ICONS}/scalable/apps)
foreach(size 48 128 256)
  install(FILES resources/desktop/mir_tote-${size}.png
          DESTINATION ${MIRTOTE_ICONS}/${size}x${size}/apps RENAME mir_tote.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mir-tote)
set(CPACK_PACKAGE_VENDOR "MIR_TOTE")
set(CPACK_PACKAGE_CONTACT "MIR_TOTE developers <mir-tote@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Odds texts for a horse-racing forum from PAT and JRA-VAN files")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The shared libraries' packages (Qt 6 widgets, libarchive, ...) as dpkg-shlibdeps finds them,
# and Qt's platform plugins, which no library links to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
include(CPack)

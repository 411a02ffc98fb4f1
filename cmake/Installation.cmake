# What `cmake --install` lays out and what `cpack -G DEB` packs: the program with its menu
# launcher, the desktop entry, the icons, the example special lists and the README.
include(GNUInstallDirs)

set(TARVEX_PAKETIERUNG ${PROJECT_SOURCE_DIR}/packaging)

# The update helper restarts the program from beside it.
install(TARGETS tarvex upd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${TARVEX_PAKETIERUNG}/tarvex-start DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TARVEX_PAKETIERUNG}/tarvex.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARVEX_PAKETIERUNG}/icons/tarvex.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(groesse 16 32 48 64 128 256)
  install(FILES ${TARVEX_PAKETIERUNG}/icons/tarvex-${groesse}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps
    RENAME tarvex.png)
endforeach()
# The program copies these into a new per-user program folder (platform/Pfade.cpp finds them
# at ../share/tarvex from the executable).
install(FILES
  ${TARVEX_PAKETIERUNG}/beispiele/LogSonderDOKs.txt
  ${TARVEX_PAKETIERUNG}/beispiele/LogSonderCall.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvex)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvex)
# The README shows the main window from here.
install(FILES ${PROJECT_SOURCE_DIR}/doc/hauptfenster.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvex/doc)

# The Debian package installs under /usr; the shared-library scan finds the Qt and libmspack
# packages, the rest is named here: the page layout measures with the Liberation fonts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvex")
set(CPACK_PACKAGE_CONTACT "Tarvex-Team <tarvex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logprogramm für Amateurfunk-Aktivitätsabende")
set(CPACK_PACKAGE_DESCRIPTION
  "Tarvex nimmt die QSOs kurzer Amateurfunk-Konteste auf, bei denen Rapport und DOK \
ausgetauscht werden, prüft Doppel-QSOs, zählt Multis und Punkte und schreibt STF, ADIF, \
ein gedrucktes Log und eine PDF-Auswertung.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)

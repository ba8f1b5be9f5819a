# Installation on a Linux desktop and the Debian package.
include(GNUInstallDirs)

if(TARGET kalimor)
  install(TARGETS kalimor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/kalimor.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/kalimor.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/kalimor-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME kalimor.xml)
endif()
install(TARGETS kalimor-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for its manual at ../share/kalimor/manual beside its folder. Not under
# share/doc, which minimal Debian systems leave out.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kalimor/manual)

set(CPACK_PACKAGE_NAME kalimor)
set(CPACK_PACKAGE_VENDOR "Kalimor")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Geodetic data processing: traverses, tacheometry, instrument data")
set(CPACK_PACKAGE_DESCRIPTION
  "Adjusts linear-angular traverses, computes tacheometry pickets, reads instrument files and\n serial data, and exports statements, coordinate lists, Credo TOP, MapInfo and Excel files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kalimor maintainers <maintainers@kalimor.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries are found by their symbols; the window also needs Qt's platform plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The fixed-pitch fallback font of the statements; the desktop picks up the MIME type and
# the menu entry through the triggers of these packages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, shared-mime-info, desktop-file-utils")
include(CPack)

if(KALIMOR_TESTS AND TARGET kalimor)
  add_test(NAME install_deb_package
           COMMAND sh ${CMAKE_SOURCE_DIR}/tests/install/deb_package_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(install_deb_package PROPERTIES LABELS install TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endif()

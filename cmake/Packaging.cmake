# Installation of the desktop program and its Debian package (`make package`).
# The executables install themselves; this adds what a Linux desktop needs to list, show and
# document Tarvo, and the CPack settings of the .deb.
include(GNUInstallDirs)

if(NOT TARVO_CATALOGUE_ONLY)
  set(TARVO_APP_ID net.kolpa.tarvo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${TARVO_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${TARVO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/tarvo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/man/tarvo.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvo developers")
set(CPACK_PACKAGE_CONTACT "Tarvo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop units converter")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvo converts values between units of measurement: pick a unit type, a from-unit and a
to-unit, type a number into either box and the other box follows at once. The unit catalogue
can be edited, and a chain solver works out A to C from A to B and B to C. The package also
holds tarvo-convert, the same conversions on the command line.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvo developers")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the executables link come from dpkg-shlibdeps; Qt loads the window-system
# plugins (X11 and Wayland) and the SVG reader of the icon at run time, so no linker sees those.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins, qt6-wayland")

include(CPack)

# Installs the program as a freedesktop application: the program, its desktop
# entry, metainfo and icons.
include(GNUInstallDirs)

set(DORVANE_APP_ID de.dorvane.Dorvane)
set(_linux ${PROJECT_SOURCE_DIR}/res/linux)
set(_icons ${PROJECT_SOURCE_DIR}/res/icons)

# Qt's project set-up gives every target the install RPATH $ORIGIN/../lib,
# for libraries shipped beside the program. Dorvane links only system
# libraries, a Debian package must carry no RPATH, and the linker drops the
# empty placeholder CMake would rewrite, so installing would fail.
set_target_properties(dorvane PROPERTIES INSTALL_RPATH "")
install(TARGETS dorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_linux}/${DORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_linux}/${DORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_icons}/dorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${DORVANE_APP_ID}.svg)
foreach(_n 16 24 32 48 64 128 256)
  install(FILES ${_icons}/dorvane-${_n}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_n}x${_n}/apps
          RENAME ${DORVANE_APP_ID}.png)
endforeach()
# The documents, the changelog and the manual pages are debhelper's to
# install and compress (debian/); the package's version is the newest entry
# of debian/changelog, and a release that raises one and forgets the other
# is caught here.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog _neueste LIMIT_COUNT 1)
if(NOT _neueste MATCHES "^dorvane \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "debian/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog)

# Installs the program as a freedesktop application and packages it as .deb.
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
# Where Debian looks for a package's documents: named after the package,
# with the licence as "copyright".
set(_doku ${CMAKE_INSTALL_DATAROOTDIR}/doc/dorvane)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${_doku} RENAME copyright)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${_doku})

# The package's version is the changelog's newest entry: a release that
# raises one and forgets the other is caught here.
file(STRINGS ${_linux}/changelog _neueste LIMIT_COUNT 1)
if(NOT _neueste MATCHES "^dorvane \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "res/linux/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_linux}/changelog)

# The changelog and the manual pages go compressed as Debian wants them:
# at the highest level, without name and time stamp, so that two builds
# give the same bytes.
find_program(DORVANE_GZIP gzip REQUIRED)
set(_gepackt)
function(gepackt quelle ziel)
  add_custom_command(OUTPUT ${ziel}
    COMMAND ${DORVANE_GZIP} -9n -c ${quelle} > ${ziel}
    DEPENDS ${quelle}
    VERBATIM)
  set(_gepackt ${_gepackt} ${ziel} PARENT_SCOPE)
endfunction()
set(_man ${PROJECT_SOURCE_DIR}/res/man)
set(_aus ${CMAKE_CURRENT_BINARY_DIR}/gepackt)
file(MAKE_DIRECTORY ${_aus}/de)
gepackt(${_linux}/changelog ${_aus}/changelog.gz)
gepackt(${_man}/dorvane.1 ${_aus}/dorvane.1.gz)
gepackt(${_man}/de/dorvane.1 ${_aus}/de/dorvane.1.gz)
add_custom_target(dorvane_gepackt ALL DEPENDS ${_gepackt})
install(FILES ${_aus}/changelog.gz DESTINATION ${_doku})
install(FILES ${_aus}/dorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_aus}/de/dorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)

set(CPACK_GENERATOR DEB)  # also what `--target package` builds
set(CPACK_PACKAGE_NAME dorvane)
set(CPACK_PACKAGE_VENDOR "Dorvane")
set(CPACK_PACKAGE_CONTACT "Dorvane <maintainers@dorvane.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desk diary with a note for every day")
set(CPACK_PACKAGE_DESCRIPTION
    "Dorvane is a German-language desk diary: one window shows a month\n\
calendar and, below it, the note for the selected day. It finds notes\n\
containing a term and lists the appointments of the next 100 days.\n\
Notes live in memory only; nothing is written to disk.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://dorvane.de/")
# Dependencies from the shared libraries the program links, and the one
# that no link shows: Qt loads its window-system plugins at run time, and
# libqt6gui6 only recommends them, so an install without recommends would
# leave a program that cannot open its window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# German texts of Qt's own dialogs
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)

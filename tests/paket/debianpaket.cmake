# cmake -DBAU=<build dir> -DZIEL=<empty dir> -P debianpaket.cmake
# `cpack -G DEB` builds a package whose dependencies come from the linked
# shared libraries, with section, maintainer and description, holding the
# installed files under /usr and nothing else, that lintian accepts.
include(${CMAKE_CURRENT_LIST_DIR}/hilfen.cmake)

# What CPack needs for the dependencies, named for a clear message.
werkzeug(shlibdeps dpkg-shlibdeps dpkg-dev)
werkzeug(file_ file file)
werkzeug(dpkg_deb dpkg-deb dpkg)
werkzeug(dpkg dpkg dpkg)

file(REMOVE_RECURSE ${ZIEL})
ausfuehren(aus ${CMAKE_COMMAND} -E chdir ${BAU}
           cpack -G DEB --config ${BAU}/CPackConfig.cmake -B ${ZIEL})
file(GLOB pakete ${ZIEL}/*.deb)
list(LENGTH pakete anzahl)
if(NOT anzahl EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${ZIEL}, found: ${pakete}")
endif()

function(feld var name)
  ausfuehren(wert ${dpkg_deb} --field ${pakete} ${name})
  string(STRIP "${wert}" wert)
  set(${var} "${wert}" PARENT_SCOPE)
endfunction()

feld(paket Package)
feld(abschnitt Section)
feld(betreuer Maintainer)
feld(beschreibung Description)
feld(abhaengig Depends)
feld(architektur Architecture)
ausfuehren(eigene ${dpkg} --print-architecture)
string(STRIP "${eigene}" eigene)

set(fehler)
if(NOT paket STREQUAL "dorvane")
  list(APPEND fehler "Package: ${paket}")
endif()
if(NOT abschnitt STREQUAL "utils")
  list(APPEND fehler "Section: ${abschnitt}")
endif()
if(NOT betreuer MATCHES "^[^<]+ <[^@>]+@[^>]+>$")
  list(APPEND fehler "Maintainer: ${betreuer}")
endif()
# A synopsis line and an extended description below it.
if(NOT beschreibung MATCHES "^[^\n]+\n .+")
  list(APPEND fehler "Description: ${beschreibung}")
endif()
if(NOT architektur STREQUAL eigene)
  list(APPEND fehler "Architecture: ${architektur}, machine: ${eigene}")
endif()
# From dpkg-shlibdeps, with versions; plus the window-system plugins Qt
# loads at run time.
foreach(bibliothek libqt6widgets6 libqt6gui6 libqt6core6 libstdc\\+\\+6 libc6)
  if(NOT abhaengig MATCHES "(^|, )${bibliothek} \\(>= [^)]+\\)")
    list(APPEND fehler "Depends lacks ${bibliothek}: ${abhaengig}")
  endif()
endforeach()
if(NOT abhaengig MATCHES "(^|, )qt6-qpa-plugins(,|$)")
  list(APPEND fehler "Depends lacks qt6-qpa-plugins: ${abhaengig}")
endif()

ausfuehren(inhalt ${dpkg_deb} --contents ${pakete})
foreach(datei usr/bin/dorvane usr/share/applications/de.dorvane.Dorvane.desktop
              usr/share/metainfo/de.dorvane.Dorvane.metainfo.xml
              usr/share/icons/hicolor/scalable/apps/de.dorvane.Dorvane.svg
              usr/share/doc/dorvane/copyright usr/share/doc/dorvane/changelog.gz
              usr/share/man/man1/dorvane.1.gz usr/share/man/de/man1/dorvane.1.gz)
  string(REPLACE "." "\\." muster "${datei}")
  if(NOT inhalt MATCHES " \\./${muster}\n")
    list(APPEND fehler "missing ${datei}")
  endif()
endforeach()
string(REGEX MATCHALL " \\./[^\n]*" pfade "${inhalt}")
foreach(pfad IN LISTS pfade)
  if(NOT pfad MATCHES "^ \\./(usr/.*)?$")
    list(APPEND fehler "outside /usr: ${pfad}")
  endif()
endforeach()

if(fehler)
  list(JOIN fehler "\n" fehler)
  message(FATAL_ERROR "${pakete}:\n${fehler}")
endif()

# Debian's own checks, with no tag overridden: an error or a warning fails.
werkzeug(lintian lintian lintian)
ausfuehren(aus ${lintian} --fail-on error,warning --no-override ${pakete})
file(REMOVE_RECURSE ${ZIEL})

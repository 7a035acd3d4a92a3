# cmake -DPAKETE=<dir with the built .deb> -P debianpaket.cmake
# The package dpkg-buildpackage built from debian/ has section, maintainer
# and description, dependencies from the linked shared libraries, and
# recommends what makes it at home on Wayland and German in Qt's dialogs.
include(${CMAKE_CURRENT_LIST_DIR}/hilfen.cmake)

werkzeug(dpkg_deb dpkg-deb dpkg)
werkzeug(dpkg dpkg dpkg)
paket(pakete ${PAKETE})

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
feld(empfohlen Recommends)
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

foreach(empfehlung qt6-wayland qt6-translations-l10n)
  if(NOT empfohlen MATCHES "(^|, )${empfehlung}(,|$)")
    list(APPEND fehler "Recommends lacks ${empfehlung}: ${empfohlen}")
  endif()
endforeach()

if(fehler)
  list(JOIN fehler "\n" fehler)
  message(FATAL_ERROR "${pakete}:\n${fehler}")
endif()

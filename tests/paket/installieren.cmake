# cmake -DPAKETE=<dir with the built .deb> -DZIEL=<empty dir> -DSTARTEN=<starten>
#       -DFENSTERMANAGER=<mit-fenstermanager.sh> -P installieren.cmake
# The package, unpacked into a scratch root, holds exactly the program, its
# desktop entry, its metainfo, its icons, its documents and manual pages
# where the freedesktop and Debian conventions expect them; the pieces name
# each other correctly and pass their validators, the manual pages read,
# and the program starts from there.
include(${CMAKE_CURRENT_LIST_DIR}/hilfen.cmake)

set(ID de.dorvane.Dorvane)
set(GROESSEN 16 24 32 48 64 128 256)

file(REMOVE_RECURSE ${ZIEL})
werkzeug(dpkg_deb dpkg-deb dpkg)
paket(deb ${PAKETE})
ausfuehren(aus ${dpkg_deb} -x ${deb} ${ZIEL})

set(erwartet
  usr/bin/dorvane
  usr/share/applications/${ID}.desktop
  usr/share/doc/dorvane/README.md.gz
  usr/share/doc/dorvane/changelog.gz
  usr/share/doc/dorvane/copyright
  usr/share/icons/hicolor/scalable/apps/${ID}.svg
  usr/share/man/de/man1/dorvane.1.gz
  usr/share/man/man1/dorvane.1.gz
  usr/share/metainfo/${ID}.metainfo.xml)
foreach(n IN LISTS GROESSEN)
  list(APPEND erwartet usr/share/icons/hicolor/${n}x${n}/apps/${ID}.png)
endforeach()
list(SORT erwartet)
file(GLOB_RECURSE da LIST_DIRECTORIES false RELATIVE ${ZIEL} ${ZIEL}/*)
list(SORT da)
if(NOT da STREQUAL erwartet)
  list(JOIN da "\n  " da)
  list(JOIN erwartet "\n  " erwartet)
  message(FATAL_ERROR "installed:\n  ${da}\nexpected:\n  ${erwartet}")
endif()

# The program: executable, and no RPATH (it links system libraries only).
set(programm ${ZIEL}/usr/bin/dorvane)
execute_process(COMMAND test -x ${programm} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${programm} is not executable")
endif()
werkzeug(readelf readelf binutils)
ausfuehren(dyn ${readelf} -d ${programm})
keine_treffer("${dyn}" "\\((RPATH|RUNPATH)\\)" "the installed program carries a search path")

# Each PNG icon has the size of its folder (width and height follow the
# 8-byte signature and the IHDR chunk's length and type).
foreach(n IN LISTS GROESSEN)
  set(png ${ZIEL}/usr/share/icons/hicolor/${n}x${n}/apps/${ID}.png)
  file(READ ${png} kopf HEX LIMIT 24)
  string(SUBSTRING "${kopf}" 0 16 signatur)
  string(SUBSTRING "${kopf}" 32 16 masse)
  string(SUBSTRING "${masse}" 0 8 b)
  string(SUBSTRING "${masse}" 8 8 h)
  math(EXPR b "0x${b}")
  math(EXPR h "0x${h}")
  if(NOT signatur STREQUAL "89504e470d0a1a0a" OR NOT b EQUAL n OR NOT h EQUAL n)
    message(FATAL_ERROR "${png}: not a ${n}x${n} PNG (${b}x${h})")
  endif()
endforeach()

# The desktop entry starts the installed program and names the installed
# icon; the metainfo launches that desktop entry.
file(STRINGS ${ZIEL}/usr/share/applications/${ID}.desktop exec REGEX "^Exec=")
file(STRINGS ${ZIEL}/usr/share/applications/${ID}.desktop icon REGEX "^Icon=")
if(NOT exec MATCHES "^Exec=dorvane( |$)" OR NOT icon STREQUAL "Icon=${ID}")
  message(FATAL_ERROR "desktop entry: '${exec}', '${icon}'")
endif()
file(READ ${ZIEL}/usr/share/metainfo/${ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<id>${ID}</id>"
   OR NOT metainfo MATCHES "<launchable type=\"desktop-id\">${ID}.desktop</launchable>"
   OR NOT metainfo MATCHES "<binary>dorvane</binary>")
  message(FATAL_ERROR "the metainfo does not name ${ID}, ${ID}.desktop and dorvane")
endif()

werkzeug(asc appstreamcli appstream)
ausfuehren(aus ${asc} validate-tree --no-net ${ZIEL}/usr)
keine_treffer("${aus}" "${APPSTREAM_WARNUNG}" "appstreamcli validate-tree complains")
werkzeug(dfv desktop-file-validate desktop-file-utils)
ausfuehren(aus ${dfv} ${ZIEL}/usr/share/applications/${ID}.desktop)
keine_treffer("${aus}" "${DESKTOP_WARNUNG}" "desktop-file-validate complains")

# Each manual page reads without a warning of man or groff, in its language.
werkzeug(man man man-db)
foreach(seite man1/dorvane.1.gz de/man1/dorvane.1.gz)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                          ${man} --warnings -E UTF-8 -l ${ZIEL}/usr/share/man/${seite}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE warnungen)
  if(NOT rc EQUAL 0 OR NOT warnungen STREQUAL "" OR NOT text MATCHES "dorvane")
    message(FATAL_ERROR "man ${seite}: exit ${rc}\n${warnungen}\n${text}")
  endif()
  if(seite MATCHES "^de/" AND NOT text MATCHES "\nBESCHREIBUNG\n")
    message(FATAL_ERROR "man ${seite} is not the German page:\n${text}")
  endif()
endforeach()

# The installed program starts on X11, shows its window and ends with "OK".
werkzeug(xvfb xvfb-run xvfb)
ausfuehren(aus ${xvfb} -a -s "-screen 0 1280x1024x24" ${FENSTERMANAGER} ${STARTEN}
           ${ZIEL}/usr/bin/dorvane)

file(REMOVE_RECURSE ${ZIEL})

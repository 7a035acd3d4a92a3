# cmake -DQUELLE=<source dir> -P verweise.cmake
# The screenshots the metainfo names and the pictures the README shows are
# files in docs/.

# pruefen(TEXT REGEX PATH WHERE): TEXT must match REGEX, and PATH, with \1
# for the match's first group, must exist; otherwise it is added to
# `fehler`. (${CMAKE_MATCH_1} in the if() that matches would be expanded
# before the match.)
function(pruefen text muster pfad wo)
  set(ok FALSE)
  if(text MATCHES "${muster}")
    string(REGEX REPLACE "${muster}" "${pfad}" datei "${text}")
    if(EXISTS ${datei})
      set(ok TRUE)
    endif()
  endif()
  if(NOT ok)
    set(fehler ${fehler} "${wo}: ${text}" PARENT_SCOPE)
  endif()
endfunction()

file(READ ${QUELLE}/res/linux/de.dorvane.Dorvane.metainfo.xml xml)
file(READ ${QUELLE}/README.md readme)
set(fehler)

if(NOT xml MATCHES "<screenshot type=\"default\">")
  message(FATAL_ERROR "the metainfo has no default screenshot")
endif()
string(REGEX MATCHALL "<image>[^<]*</image>" bilder "${xml}")
foreach(bild IN LISTS bilder)
  pruefen("${bild}" "^<image>https://dorvane\\.de/docs/([^/<]+\\.png)</image>$"
          "${QUELLE}/docs/\\1" metainfo)
endforeach()

string(REGEX MATCHALL "!\\[[^]]*\\]\\([^)]*\\)" bilder "${readme}")
if(NOT bilder)
  message(FATAL_ERROR "the README shows no picture")
endif()
foreach(bild IN LISTS bilder)
  pruefen("${bild}" "^.*\\((docs/[^)]+\\.png)\\)$" "${QUELLE}/\\1" README)
endforeach()

if(fehler)
  list(JOIN fehler "\n" fehler)
  message(FATAL_ERROR "pictures not in docs/:\n${fehler}")
endif()

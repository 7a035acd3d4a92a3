# cmake -DDESKTOP=<file> -DMETAINFO=<file> -P validieren.cmake
# The desktop entry and the AppStream metainfo pass their validators
# without an error or a warning.
include(${CMAKE_CURRENT_LIST_DIR}/hilfen.cmake)

if(DEFINED DESKTOP)
  werkzeug(dfv desktop-file-validate desktop-file-utils)
  ausfuehren(aus ${dfv} ${DESKTOP})
  keine_treffer("${aus}" "${DESKTOP_WARNUNG}" "desktop-file-validate complains")
endif()
if(DEFINED METAINFO)
  werkzeug(asc appstreamcli appstream)
  ausfuehren(aus ${asc} validate --no-net ${METAINFO})
  keine_treffer("${aus}" "${APPSTREAM_WARNUNG}" "appstreamcli complains")
endif()

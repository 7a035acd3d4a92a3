# cmake -DBILDER=<dorvane-bilder> -DDOCS=<docs dir> -DZIEL=<empty dir> -P bilder.cmake
# The renderer makes the pictures docs/ keeps, no more and no fewer, and a
# second run gives the same bytes.
include(${CMAKE_CURRENT_LIST_DIR}/hilfen.cmake)

file(REMOVE_RECURSE ${ZIEL})
foreach(lauf 1 2)
  ausfuehren(aus ${BILDER} ${ZIEL}/${lauf})
endforeach()

file(GLOB erster RELATIVE ${ZIEL}/1 ${ZIEL}/1/*)
file(GLOB zweiter RELATIVE ${ZIEL}/2 ${ZIEL}/2/*)
file(GLOB docs RELATIVE ${DOCS} ${DOCS}/*.png)
list(SORT erster)
list(SORT zweiter)
list(SORT docs)
if(NOT erster STREQUAL docs OR NOT zweiter STREQUAL docs)
  message(FATAL_ERROR "rendered: ${erster} / ${zweiter}\ndocs/: ${docs}")
endif()

foreach(name IN LISTS erster)
  file(READ ${ZIEL}/1/${name} kopf HEX LIMIT 8)
  if(NOT kopf STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${name} is no PNG")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ZIEL}/1/${name} ${ZIEL}/2/${name}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name} differs between two runs")
  endif()
endforeach()
file(REMOVE_RECURSE ${ZIEL})

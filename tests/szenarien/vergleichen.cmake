# Runs one scenario and compares what it prints with the expected file,
# byte for byte.
#
#   cmake -DPROGRAMM=... -DEINGABE=x.szenario -DERWARTET=x.erwartet
#         -DAUSGABE=out-file [-DZONE=Europe/Berlin]
#         [-DSTATUS=2 -DMELDUNG=regex-on-stderr] -P vergleichen.cmake

if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()

# glibc treats an unknown zone as UTC, which would pass for a result.
if(DEFINED ZONE AND NOT ZONE STREQUAL "UTC" AND NOT EXISTS "/usr/share/zoneinfo/${ZONE}")
  message(FATAL_ERROR "zone ${ZONE} is not installed (package tzdata)")
endif()

execute_process(
  COMMAND "${PROGRAMM}" "${EINGABE}"
  OUTPUT_FILE "${AUSGABE}"
  ERROR_VARIABLE fehlertext
  RESULT_VARIABLE status)

if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstderr: ${fehlertext}")
endif()
if(DEFINED MELDUNG)
  if(NOT fehlertext MATCHES "${MELDUNG}")
    message(FATAL_ERROR "stderr does not match \"${MELDUNG}\":\n${fehlertext}")
  endif()
elseif(NOT fehlertext STREQUAL "")
  message(FATAL_ERROR "unexpected stderr:\n${fehlertext}")
endif()

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E compare_files "${ERWARTET}" "${AUSGABE}"
  RESULT_VARIABLE verschieden)
if(verschieden)
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND "${DIFF}" -u "${ERWARTET}" "${AUSGABE}" OUTPUT_VARIABLE unterschied)
  else()
    file(READ "${AUSGABE}" unterschied)
  endif()
  message(FATAL_ERROR "output differs from ${ERWARTET}:\n${unterschied}")
endif()

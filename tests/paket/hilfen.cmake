# Shared by the package checks, which run as `cmake -P` scripts.

# werkzeug(VAR PROGRAM PACKAGE): the path of PROGRAM in VAR. A missing tool
# fails the check: the validators are part of the build's promise.
function(werkzeug var programm paket)
  find_program(_pfad ${programm} NO_CACHE)
  if(NOT _pfad)
    message(FATAL_ERROR "${programm} not found: apt-get install ${paket}")
  endif()
  set(${var} ${_pfad} PARENT_SCOPE)
endfunction()

# ausfuehren(OUT COMMAND...): runs the command, fails on a non-zero exit,
# leaves standard output and error together in OUT and shows them.
function(ausfuehren var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE _rc OUTPUT_VARIABLE _aus ERROR_VARIABLE _aus)
  string(REPLACE ";" " " _befehl "${ARGN}")
  message("$ ${_befehl}\n${_aus}")
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "exit status ${_rc}: ${_befehl}")
  endif()
  set(${var} "${_aus}" PARENT_SCOPE)
endfunction()

# keine_treffer(TEXT REGEX WHAT): fails when a line of TEXT matches REGEX.
function(keine_treffer text muster was)
  string(REPLACE "\n" ";" _zeilen "${text}")
  set(_treffer)
  foreach(_zeile IN LISTS _zeilen)
    if(_zeile MATCHES "${muster}")
      list(APPEND _treffer "${_zeile}")
    endif()
  endforeach()
  if(_treffer)
    list(JOIN _treffer "\n" _treffer)
    message(FATAL_ERROR "${was}:\n${_treffer}")
  endif()
endfunction()

# Lines of the validators that must not appear: errors, warnings, hints
# and infos (a missing content rating is only an info). AppStream's
# pedantic notes pass: the application ID keeps its capital letter.
set(DESKTOP_WARNUNG ": (error|warning|hint): ")
set(APPSTREAM_WARNUNG "^[ \t]*[EWI]: ")

# paket(VAR DIR): the one binary package dorvane_*.deb in DIR.
function(paket var dir)
  file(GLOB _pakete ${dir}/dorvane_*.deb)
  list(LENGTH _pakete _anzahl)
  if(NOT _anzahl EQUAL 1)
    message(FATAL_ERROR "expected one dorvane_*.deb in ${dir}, found: ${_pakete}")
  endif()
  set(${var} ${_pakete} PARENT_SCOPE)
endfunction()

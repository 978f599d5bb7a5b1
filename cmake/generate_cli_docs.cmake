# Makes the manual pages and zentra-cli's bash completion from their templates,
# with zentra-cli's key names from the engine's table and its options from its
# own --help, so that neither list is typed twice. Run with cmake -P and
# -DKEY_NAMES=<tool> -DCLI=<zentra-cli> -DTEMPLATES=<dir> -DOUT=<dir>
# -DPROJECT_VERSION=... -DZENTRA_RELEASE_DATE=... -DGZIP=<gzip>.

function(run_for_output out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE _text RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${_rc}")
  endif()
  set(${out} "${_text}" PARENT_SCOPE)
endfunction()

run_for_output(_key_text ${KEY_NAMES})
string(STRIP "${_key_text}" _key_text)
string(REPLACE "\n" ";" _keys "${_key_text}")
set(_roff "")
set(_bash "")
foreach(_key IN LISTS _keys)
  string(REPLACE "-" "\\-" _roff_key "${_key}")
  list(APPEND _roff "\\fB${_roff_key}\\fR")
  string(APPEND _bash " '${_key}'")
endforeach()
list(JOIN _roff ", " ZENTRA_KEY_NAMES_ROFF)
string(STRIP "${_bash}" ZENTRA_CLI_KEYS)

# "  --state FILE     read ..." lines: the option, and FILE when it takes one.
run_for_output(_help ${CLI} --help)
string(REGEX MATCHALL "\n  --[a-z-]+( FILE)?" _lines "${_help}")
set(_options "")
set(_file_options "")
foreach(_line IN LISTS _lines)
  string(REGEX MATCH "--[a-z-]+" _option "${_line}")
  list(APPEND _options "${_option}")
  if(_line MATCHES " FILE$")
    list(APPEND _file_options "${_option}")
  endif()
endforeach()
list(JOIN _options " " ZENTRA_CLI_OPTIONS)
list(JOIN _file_options " | " ZENTRA_CLI_FILE_OPTIONS)

configure_file(${TEMPLATES}/man/zentra.1.in ${OUT}/zentra.1 @ONLY)
configure_file(${TEMPLATES}/man/zentra-cli.1.in ${OUT}/zentra-cli.1 @ONLY)
configure_file(${TEMPLATES}/zentra-cli.bash.in ${OUT}/zentra-cli @ONLY)
# Installed compressed, as Debian keeps its manual pages; -n keeps the
# packages reproducible.
foreach(_page zentra.1 zentra-cli.1)
  execute_process(COMMAND ${GZIP} -9nc ${OUT}/${_page} OUTPUT_FILE ${OUT}/${_page}.gz
                  RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "gzip ${_page} failed")
  endif()
endforeach()

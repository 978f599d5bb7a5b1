# zentra-cli --prp plain.prp --save-prp out.prp turns a readable properties file
# into a scrambled one that loads back to the same database.
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/plain.prp "P:length\nU:m\nU:ft\\0.3048\nU:in\\0.0254\nC:marathon\\42195\nP:time\nU:s\nU:min\\60\n")
execute_process(COMMAND ${CLI} --prp ${WORK}/plain.prp --save-prp ${WORK}/out.prp
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc1 OUTPUT_QUIET)
execute_process(COMMAND ${CLI} --prp ${WORK}/out.prp --save-prp ${WORK}/again.prp
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc2 OUTPUT_QUIET)
if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "zentra-cli failed: ${rc1} ${rc2}")
endif()
file(READ ${WORK}/out.prp scrambled)
file(READ ${WORK}/again.prp reloaded)
if(NOT scrambled STREQUAL reloaded)
  message(FATAL_ERROR "the scrambled file does not load back to the same database")
endif()
string(FIND "${scrambled}" "marathon" plainName)
if(NOT scrambled MATCHES "^o:" OR NOT plainName EQUAL -1)
  message(FATAL_ERROR "the saved file is not scrambled")
endif()
execute_process(COMMAND ${CLI} --prp ${WORK}/out.prp const length:marathon:ft
                WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE shown OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT shown STREQUAL "138435.0394")
  message(FATAL_ERROR "constant in feet after the round trip: '${shown}'")
endif()
execute_process(COMMAND ${CLI} --save-prp ${WORK}/no/such/dir/x.prp
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc3 ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT rc3 EQUAL 1 OR NOT err MATCHES "Sorry, couldn't write properties")
  message(FATAL_ERROR "a failed save must exit 1 with the message: ${rc3} ${err}")
endif()
# A write-protected file is refused, even for root, and stays as it was.
file(REMOVE ${WORK}/protected.prp)
file(WRITE ${WORK}/protected.prp "P:mine\nU:u\n")
file(CHMOD ${WORK}/protected.prp PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
execute_process(COMMAND ${CLI} --save-prp ${WORK}/protected.prp
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc4 ERROR_VARIABLE err OUTPUT_QUIET)
file(READ ${WORK}/protected.prp kept)
if(NOT rc4 EQUAL 1 OR NOT err MATCHES "Sorry, couldn't write properties\n.*protected.prp.*write-protected"
   OR NOT kept STREQUAL "P:mine\nU:u\n")
  message(FATAL_ERROR "a write-protected file must be refused and kept: ${rc4} ${err}")
endif()

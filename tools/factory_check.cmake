# Regenerates factory.prp from factory-units.txt and compares it with the
# committed file: run as cmake -DGENERATOR=... -DSOURCE=... -DEXPECTED=...
# -DOUTPUT=... -P factory_check.cmake
execute_process(COMMAND "${GENERATOR}" "${SOURCE}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zentra_make_factory_prp failed (${result})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}"
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "resources/factory.prp is out of date: regenerate it with\n"
                      "  zentra_make_factory_prp resources/factory-units.txt resources/factory.prp")
endif()

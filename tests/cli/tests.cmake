# Golden key files run through zentra-cli.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME zentra_cli_golden
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/run_golden.py
          $<TARGET_FILE:zentra-cli> ${PROJECT_SOURCE_DIR}/tests/golden)

# Golden key files run through zentra-cli.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME zentra_cli_golden
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/run_golden.py
          $<TARGET_FILE:zentra-cli> ${PROJECT_SOURCE_DIR}/tests/golden)
add_test(NAME zentra_cli_prp_round_trip
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:zentra-cli> -DWORK=${CMAKE_CURRENT_BINARY_DIR}/prp_round_trip
          -P ${CMAKE_CURRENT_LIST_DIR}/prp_round_trip.cmake)
add_test(NAME zentra_cli_signal_during_save
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/signal_during_save.py
          $<TARGET_FILE:zentra-cli>)
add_test(NAME zentra_cli_tape
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/tape_runs.py $<TARGET_FILE:zentra-cli>)
add_test(NAME zentra_cli_end_signals
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/end_signals.py $<TARGET_FILE:zentra-cli>)
add_test(NAME zentra_cli_tape_concurrency
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/tape_concurrency.py $<TARGET_FILE:zentra-cli>)

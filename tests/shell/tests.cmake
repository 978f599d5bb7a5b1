# The window's tests: Qt Widgets under the offscreen platform, and start-up
# tests that run the built zentra program.
file(GLOB _shell_test_srcs CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/*.cpp")
if(_shell_test_srcs AND TARGET zentra_shell)
  find_package(Qt6 REQUIRED COMPONENTS Test Widgets Network)
  add_executable(zentra_shell_tests ${_shell_test_srcs})
  target_include_directories(zentra_shell_tests PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  # Network: the tests play another program listening on the calculator's socket.
  target_link_libraries(zentra_shell_tests PRIVATE zentra_shell zentra_tape_print Qt6::Test Qt6::Network
                        GTest::gtest GTest::gmock zentra_warnings)
  add_dependencies(zentra_shell_tests zentra_print)
  if(TARGET zentra)
    add_dependencies(zentra_shell_tests zentra)
    target_compile_definitions(zentra_shell_tests PRIVATE ZENTRA_PROGRAM="$<TARGET_FILE:zentra>")
  endif()
  gtest_discover_tests(zentra_shell_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(TARGET PkgConfig::XCB)
    target_link_libraries(zentra_shell_tests PRIVATE PkgConfig::XCB)
    target_compile_definitions(zentra_shell_tests PRIVATE ZENTRA_HAVE_XCB)
    # Keys on their way to a dialog need a real X server (without a window manager).
    find_program(XVFB_RUN xvfb-run)
    if(XVFB_RUN)
      add_test(NAME zentra_shell_tests_x11 COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
        $<TARGET_FILE:zentra_shell_tests> "--gtest_filter=*KeysTypedWhileADialogOpens*")
      set_tests_properties(zentra_shell_tests_x11 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
    endif()
  endif()
  # What a screen reader reads through AT-SPI, on a private X server and session
  # bus; skipped, with the reason, where AT-SPI or the bus is missing.
  if(TARGET zentra)
    find_program(XVFB_RUN_A11Y xvfb-run)
    find_program(DBUS_LAUNCH dbus-launch)
    set(_atspi_check /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/atspi_check.py $<TARGET_FILE:zentra>)
    if(XVFB_RUN_A11Y AND DBUS_LAUNCH)
      add_test(NAME zentra_atspi_check COMMAND ${XVFB_RUN_A11Y} -a -s "-screen 0 1280x1024x24"
        ${DBUS_LAUNCH} --exit-with-session ${_atspi_check})
    else()
      add_test(NAME zentra_atspi_check COMMAND ${_atspi_check})
    endif()
    set_tests_properties(zentra_atspi_check PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
  endif()
  # What depends on the scale, again at 200%: texts that fit, the display's text, the bevel,
  # the window's place.
  add_test(NAME zentra_shell_tests_at_200_percent COMMAND zentra_shell_tests
    "--gtest_filter=DialogTexts.*:Bevel.*:WindowDialogs.ModeOk*:WindowTest.Window*:WindowTest.Display*")
  set_tests_properties(zentra_shell_tests_at_200_percent PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
endif()

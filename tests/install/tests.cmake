# What the installation adds to the desktop: the package, the menu and
# software-centre entries, the manual pages and the completion, each checked
# with the tool made for it.
set(_install_tests ${CMAKE_CURRENT_LIST_DIR})
set(_desktop ${PROJECT_SOURCE_DIR}/resources/zentra.desktop)
add_test(NAME desktop_entry_is_valid COMMAND ${_install_tests}/validate.sh desktop ${_desktop})
add_test(NAME metainfo_is_valid COMMAND ${_install_tests}/validate.sh metainfo ${ZENTRA_METAINFO})
add_test(NAME zentra_manual_page_is_clean_and_complete
  COMMAND ${_install_tests}/validate.sh manual ${ZENTRA_DATA_OUT}/zentra.1 $<TARGET_FILE:zentra>)
add_test(NAME zentra_cli_manual_page_is_clean_and_complete
  COMMAND ${_install_tests}/validate.sh manual ${ZENTRA_DATA_OUT}/zentra-cli.1
          $<TARGET_FILE:zentra-cli>)
add_test(NAME validators_refuse_broken_files
  COMMAND ${_install_tests}/validate_refuses_broken.sh ${_desktop} ${ZENTRA_METAINFO}
          ${ZENTRA_DATA_OUT}/zentra-cli.1 $<TARGET_FILE:zentra-cli>)
add_test(NAME zentra_cli_bash_completion
  COMMAND ${_install_tests}/check_completion.sh ${ZENTRA_DATA_OUT}/zentra-cli)
add_test(NAME debian_package_matches_the_install
  COMMAND ${_install_tests}/check_package.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR} ${PROJECT_VERSION}
          $<TARGET_FILE:zentra> $<TARGET_FILE:zentra-cli> ${ZENTRA_METAINFO})

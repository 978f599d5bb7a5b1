# Data files where the program looks for them: the factory database, help and
# fonts, the menu entry and the icon in the hicolor theme.
set(_resources ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${_resources}/factory.prp ${_resources}/ZENTRA.HLP
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zentra)
install(FILES ${_resources}/fonts/Sevenseg.fnt ${_resources}/fonts/Buttons.fnt
              ${_resources}/fonts/Minitron.fnt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zentra/fonts)
install(FILES ${_resources}/zentra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_resources}/icons/zentra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(_size 16 32 48 64 128 256)
  install(FILES ${_resources}/icons/zentra-${_size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
          RENAME zentra.png)
endforeach()

# The software centre's entry.
set(ZENTRA_APPSTREAM_ID "com.vantrell.zentra")
set(ZENTRA_SCREENSHOT_URL "${PROJECT_HOMEPAGE_URL}/screenshots" CACHE STRING
    "Where the screenshots of docs/ are published, for the software centre")
set(ZENTRA_METAINFO ${PROJECT_BINARY_DIR}/data/${ZENTRA_APPSTREAM_ID}.metainfo.xml)
configure_file(${_resources}/zentra.metainfo.xml.in ${ZENTRA_METAINFO} @ONLY)
install(FILES ${ZENTRA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages and zentra-cli's completion, made from the key table and
# zentra-cli's own --help.
if(TARGET zentra-cli)
  find_program(GZIP_PROGRAM gzip REQUIRED)
  set(ZENTRA_DATA_OUT ${PROJECT_BINARY_DIR}/data)
  set(_outputs ${ZENTRA_DATA_OUT}/zentra.1 ${ZENTRA_DATA_OUT}/zentra-cli.1
               ${ZENTRA_DATA_OUT}/zentra.1.gz ${ZENTRA_DATA_OUT}/zentra-cli.1.gz
               ${ZENTRA_DATA_OUT}/zentra-cli)
  add_custom_command(OUTPUT ${_outputs}
    COMMAND ${CMAKE_COMMAND} -DKEY_NAMES=$<TARGET_FILE:zentra_list_key_names>
            -DCLI=$<TARGET_FILE:zentra-cli> -DTEMPLATES=${_resources} -DOUT=${ZENTRA_DATA_OUT}
            -DPROJECT_VERSION=${PROJECT_VERSION} -DZENTRA_RELEASE_DATE=${ZENTRA_RELEASE_DATE}
            -DGZIP=${GZIP_PROGRAM} -P ${PROJECT_SOURCE_DIR}/cmake/generate_cli_docs.cmake
    DEPENDS zentra_list_key_names zentra-cli ${_resources}/man/zentra.1.in
            ${_resources}/man/zentra-cli.1.in ${_resources}/zentra-cli.bash.in
            ${PROJECT_SOURCE_DIR}/cmake/generate_cli_docs.cmake
    COMMENT "Making the manual pages and the bash completion" VERBATIM)
  add_custom_target(zentra_cli_docs ALL DEPENDS ${_outputs})
  install(FILES ${ZENTRA_DATA_OUT}/zentra.1.gz ${ZENTRA_DATA_OUT}/zentra-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${ZENTRA_DATA_OUT}/zentra-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

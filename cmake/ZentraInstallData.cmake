# Data files where the program looks for them: the factory database, help and
# fonts, the menu entry and the icon in the hicolor theme.
set(_resources ${PROJECT_SOURCE_DIR}/resources)
# The build tree's programs look in the build's share/zentra, as installed
# ones look in the installed one; it links to the source tree's resources.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/share)
file(CREATE_LINK ${_resources} ${PROJECT_BINARY_DIR}/share/zentra SYMBOLIC)
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
include(${CMAKE_CURRENT_LIST_DIR}/ZentraReleaseNotes.cmake)
zentra_release_notes(ZENTRA_RELEASE_NOTES ${PROJECT_SOURCE_DIR}/NEWS)
configure_file(${_resources}/zentra.metainfo.xml.in ${ZENTRA_METAINFO} @ONLY)
install(FILES ${ZENTRA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence in Debian's machine-readable form, and NEWS as the changelog,
# compressed as Debian keeps it (-n: no name or time, so the bytes repeat).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(ZENTRA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zentra)
set(ZENTRA_CHANGELOG ${PROJECT_BINARY_DIR}/data/changelog.gz)
add_custom_command(OUTPUT ${ZENTRA_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/NEWS ${PROJECT_BINARY_DIR}/data/changelog
  COMMAND ${GZIP_PROGRAM} -9nf ${PROJECT_BINARY_DIR}/data/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/NEWS COMMENT "Compressing NEWS as the changelog" VERBATIM)
add_custom_target(zentra_changelog ALL DEPENDS ${ZENTRA_CHANGELOG})
install(FILES ${_resources}/copyright ${ZENTRA_CHANGELOG} DESTINATION ${ZENTRA_DOC_DIR})
# What lintian reports and is meant so, each with its reason.
install(FILES ${_resources}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME zentra)

# The manual pages and zentra-cli's completion, made from the key table and
# zentra-cli's own --help.
if(TARGET zentra-cli)
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

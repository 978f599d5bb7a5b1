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

# The Debian package: cpack -G DEB packs what cmake --install installs, under
# /usr, and takes the library dependencies from the binaries (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentra)
set(CPACK_PACKAGE_VENDOR "${ZENTRA_MAKER}")
set(CPACK_PACKAGE_CONTACT "${ZENTRA_MAKER} <zentra@vantrell.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering pocket calculator with units and constants")
set(CPACK_PACKAGE_DESCRIPTION
    "Zentra is an engineering pocket calculator for the desktop: one small window
with a one-line display above 44 keys. Chained arithmetic runs strictly left to
right with 16 bracket levels; there are scientific functions, binary, octal and
hexadecimal on 32-bit words, statistics and financial modes, ten memories, and
unit conversion and named constants from an editable database of physical
properties. zentra-cli drives the same calculator from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Stripped programs and the printing module lose the .comment section (the
# compilers' version strings) as well, after install(TARGETS) has stripped them.
set(_strip_comment [[
if(CMAKE_INSTALL_DO_STRIP)
  foreach(_binary @CMAKE_INSTALL_BINDIR@/zentra @CMAKE_INSTALL_BINDIR@/zentra-cli
                  @ZENTRA_MODULE_DIR@/zentra_print.so)
    set(_file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${_binary}")
    if(EXISTS "${_file}")
      execute_process(COMMAND "@CMAKE_OBJCOPY@" --remove-section=.comment "${_file}"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endforeach()
endif()
]])
string(CONFIGURE "${_strip_comment}" _strip_comment @ONLY)
install(CODE "${_strip_comment}")
# zentra_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# Completion is read by bash-completion; the icons belong to the hicolor theme.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
include(CPack)

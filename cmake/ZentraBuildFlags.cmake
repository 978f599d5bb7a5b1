# Paths of the building machine stay out of the objects: the source and build
# folders read as "." in file names and debug information, so that two builds
# of the same sources in different folders give the same programs.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
# Qt resources in rcc's first format, which records no file times: a checkout
# made at another time gives the same program.
set(CMAKE_AUTORCC_OPTIONS --format-version 1)

# Optimised builds (the release, the package and the tested build) take
# Debian's flags from dpkg-buildflags, hardening included: fortified
# functions, the strong stack protector, format checks and a read-only,
# bound-at-start relocation table. The build type keeps its own -O and -g.
# Debug and sanitizer builds leave them out: fortifying needs optimisation.
set(_optimised Release RelWithDebInfo MinSizeRel)
if(CMAKE_BUILD_TYPE IN_LIST _optimised AND NOT ZENTRA_SANITIZE)
  set(_distro_default ON)
else()
  set(_distro_default OFF)
endif()
option(ZENTRA_DISTRO_FLAGS "Build with Debian's hardening flags from dpkg-buildflags"
       ${_distro_default})
if(ZENTRA_DISTRO_FLAGS)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${_kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(_flags UNIX_COMMAND "${_flags}")
    list(FILTER _flags EXCLUDE REGEX "^-(g|O[0-9s]?)$")
    set(ZENTRA_DEB_${_kind} ${_flags})
  endforeach()
  add_compile_options(${ZENTRA_DEB_CPPFLAGS} ${ZENTRA_DEB_CXXFLAGS})
  add_link_options(${ZENTRA_DEB_LDFLAGS})
endif()

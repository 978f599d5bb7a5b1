# Warnings and sanitizers as interface targets, linked into every target.
add_library(zentra_warnings INTERFACE)
target_compile_options(zentra_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports std::string concatenation at -O2 as overlapping memcpy
  # (GCC bug 105651); the warning says nothing about our code.
  target_compile_options(zentra_warnings INTERFACE -Wno-restrict)
endif()
if(ZENTRA_WERROR)
  target_compile_options(zentra_warnings INTERFACE -Werror)
endif()

add_library(zentra_sanitizers INTERFACE)
if(ZENTRA_SANITIZE)
  target_compile_options(zentra_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(zentra_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

# Sources are picked up by folder so that adding a file needs no edit here.
function(zentra_sources out dir)
  file(GLOB _srcs CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(${out} ${_srcs} PARENT_SCOPE)
endfunction()

# A library of one folder: its sources, the project root as include directory
# (headers are named by folder, "units/prp_file.h") and the libraries below it.
function(zentra_library name)
  zentra_sources(_srcs ${CMAKE_CURRENT_SOURCE_DIR})
  add_library(${name} STATIC ${_srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN} zentra_sanitizers PRIVATE zentra_warnings)
endfunction()

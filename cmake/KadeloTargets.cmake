# Warnings and sanitizers travel with every target through this interface target.
add_library(kadelo_build_options INTERFACE)
target_compile_options(kadelo_build_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(kadelo_build_options INTERFACE
  QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
if(KADELO_SANITIZE)
  target_compile_options(kadelo_build_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kadelo_build_options INTERFACE -fsanitize=address,undefined)
endif()

# kadelo_library(name SOURCES ... LINKS ...): a static library of one subsystem.
function(kadelo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE kadelo_build_options)
endfunction()

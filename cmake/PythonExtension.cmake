# pyx_extension(<name> OUTPUT_DIR <dir> SOURCES ...)
# Builds a Python 2.7 extension module <name> that exports nothing but init<name>.
function(pyx_extension name)
  cmake_parse_arguments(ARG "" "OUTPUT_DIR" "SOURCES;LIBS" ${ARGN})
  Python2_add_library(${name} MODULE ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE pyl ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(map ${CMAKE_CURRENT_BINARY_DIR}/${name}.exports)
    file(WRITE ${map} "{ global: init${name}; local: *; };\n")
    target_link_options(${name} PRIVATE "LINKER:--version-script=${map}")
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${map})
  endif()
endfunction()

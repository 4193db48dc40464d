# Helpers shared by the libraries, programs, tests and benchmarks.

# Settings every unit of the project compiles with.
add_library(purchasing_options INTERFACE)
target_compile_definitions(purchasing_options INTERFACE QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
target_include_directories(purchasing_options INTERFACE ${CMAKE_SOURCE_DIR}/src)

# One static library per layer or area: every .cpp of the folders given (found
# by glob, so a new file needs no edit here), linked to the layers below it.
#   purchasing_library(NAME DIRS folder... [EXCLUDE file...] [LINKS target...]
#                      [PCH header | PCH_FROM library])
# A precompiled header costs every unit its load time, so there are few and
# small ones: one of Qt's value types (db) and one of the widgets (widgets),
# each compiled once and reused by the libraries above it.
# Each unit that declares a Q_OBJECT class includes its own moc output at its
# end ("moc_<name>.cpp"), so no unit ties all the classes of a library
# together and a program links only the objects it uses.
function(purchasing_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PCH;PCH_FROM" "DIRS;EXCLUDE;LINKS")
  set(sources "")
  foreach(dir ${arg_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  foreach(file ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/src/${file})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC purchasing_options ${arg_LINKS})
  if(arg_PCH)
    target_precompile_headers(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src/${arg_PCH})
  elseif(arg_PCH_FROM)
    target_precompile_headers(${name} REUSE_FROM ${arg_PCH_FROM})
  endif()
  purchasing_skip_empty_moc_unit(${name})
endfunction()

# AUTOMOC compiles a unit of its own for the moc output that no source
# includes; with every moc output included by its source that unit is empty,
# and it should not pay for loading a precompiled header.
function(purchasing_skip_empty_moc_unit name)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
    TARGET_DIRECTORY ${name} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

# A module area: src/modules/<area>, on the framework.
function(purchasing_area area)
  purchasing_library(purchasing_${area} DIRS modules/${area} LINKS purchasing_framework ${ARGN}
                     PCH_FROM purchasing_widgets)
endfunction()

# Executables land beside each other in the build folder.
function(purchasing_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINKS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

# Helpers shared by the libraries, programs, tests and benchmarks.

# Settings every unit of the project compiles with.
add_library(purchasing_options INTERFACE)
target_compile_definitions(purchasing_options INTERFACE QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
target_include_directories(purchasing_options INTERFACE ${CMAKE_SOURCE_DIR}/src)

# moc, run directly on a file of `target` into <target>_moc/OUTPUT, which a
# unit of the target includes: a class's .cpp ends with
# #include "moc_<Name>.cpp", a test suite that declares its class in its .cpp
# with #include "<name>.moc". So no unit ties all the classes of a library
# together, and a program links only the objects it uses. (AUTOMOC would do
# the same at several times the cost: a CMake start per target, a run of the
# compiler for its predefined macros, and a scan of every file.)
# moc is given no include paths: it knows Qt's macros itself, and following
# every #include into Qt's headers would make each run twenty times slower.
function(purchasing_moc target file output)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_moc)
  set(definitions "$<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>")
  add_custom_command(OUTPUT ${dir}/${output}
    COMMAND Qt6::moc -nn "$<$<BOOL:${definitions}>:-D$<JOIN:${definitions},;-D>>"
            ${file} -o ${dir}/${output}
    DEPENDS ${file} Qt6::moc
    COMMENT "moc ${output}"
    COMMAND_EXPAND_LISTS VERBATIM)
  # Listed so that it is made before the target's units compile; compiled
  # only inside the unit that includes it.
  target_sources(${target} PRIVATE ${dir}/${output})
  set_source_files_properties(${dir}/${output} TARGET_DIRECTORY ${target} PROPERTIES HEADER_FILE_ONLY ON)
  target_include_directories(${target} PRIVATE ${dir})
endfunction()

# One static library per layer or area: every .cpp of the folders given (found
# by glob, so a new file needs no edit here), linked to the layers below it.
#   purchasing_library(NAME DIRS folder... [EXCLUDE file...] [LINKS target...]
#                      [PCH header | PCH_FROM library])
# A precompiled header costs every unit its load time, so there are few and
# small ones: one of Qt's value types (db) and one of the widgets (widgets),
# each compiled once and reused by the libraries above it.
# Every header with a .cpp of its name goes through moc (a header without a
# Q_OBJECT class gives an empty file that nothing includes), so a class that
# becomes a QObject needs no change here.
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
  foreach(source ${sources})
    get_filename_component(base ${source} NAME_WE)
    get_filename_component(dir ${source} DIRECTORY)
    if(EXISTS ${dir}/${base}.h)
      purchasing_moc(${name} ${dir}/${base}.h moc_${base}.cpp)
    endif()
  endforeach()
  if(arg_PCH)
    target_precompile_headers(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src/${arg_PCH})
  elseif(arg_PCH_FROM)
    target_precompile_headers(${name} REUSE_FROM ${arg_PCH_FROM})
  endif()
endfunction()

# A module area: src/modules/<area>, on the framework.
function(purchasing_area area)
  purchasing_library(purchasing_${area} DIRS modules/${area} LINKS purchasing_framework ${ARGN}
                     PCH_FROM purchasing_widgets)
endfunction()

# Executables land beside each other in the build folder. They reuse the
# precompiled header of the layer they stand on (PCH_FROM, default the
# widgets'; one on the db layer alone takes purchasing_db's).
function(purchasing_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PCH_FROM" "SOURCES;LINKS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINKS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  if(NOT arg_PCH_FROM)
    set(arg_PCH_FROM purchasing_widgets)
  endif()
  target_precompile_headers(${name} REUSE_FROM ${arg_PCH_FROM})
endfunction()

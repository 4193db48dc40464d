cmake_minimum_required(VERSION 3.25)
# Every directory of src/ may include only from the layers below it and from
# itself: db and widgets at the bottom, then session, reports, framework,
# modules, the demo history (written through the modules' own write paths),
# the shell (data module and main window frame, which knows no area) and the
# program (app/: the main window with every area, start-up and main). A lower layer that reaches up (the
# report engine into a module, the framework into the shell) fails here.
#   cmake -DSOURCE_DIR=<src> -P check_layers.cmake

set(layers db widgets session reports framework modules demo shell app)
set(allowed_db db)
set(allowed_widgets widgets)
set(allowed_session session db)
set(allowed_reports reports session widgets db)
set(allowed_framework framework reports session widgets db)
set(allowed_modules modules framework reports session widgets db)
set(allowed_demo demo modules framework reports session widgets db)
set(allowed_shell shell framework reports session widgets db)
set(allowed_app app shell modules framework reports session widgets db)

set(faults "")
foreach(layer ${layers})
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" target "${line}")
      if(NOT target IN_LIST allowed_${layer})
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
        string(APPEND faults "\n  ${shown}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "includes against the layers:${faults}")
endif()

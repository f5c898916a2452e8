# Fails when a source file under SOURCE_DIR includes a folder of a higher
# layer than its own. Run as: cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
#
# The order of the layers, lowest first. A file may include its own layer
# and the layers before it. Under core/patterns, shared/ is below the tabs'
# folders, and no tab includes another tab.
set(_order
  core/support core/colour core/platform core/job core/page
  core/patterns/shared core/patterns/TAB core/measure
  core/print core/info core/about core/app core/preview core/colour_tools
  backends cli win32)
set(_tabs black_white colour advanced calibration custom)

function(_layer_of path out)
  foreach(tab IN LISTS _tabs)
    if(path MATCHES "^core/patterns/${tab}/")
      set(${out} core/patterns/TAB PARENT_SCOPE)
      set(${out}_tab ${tab} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out}_tab "" PARENT_SCOPE)
  foreach(layer IN LISTS _order)
    if(path MATCHES "^${layer}/")
      set(${out} ${layer} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
file(GLOB_RECURSE _files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.hpp ${SOURCE_DIR}/*.h)
set(_faults "")
foreach(file IN LISTS _files)
  _layer_of(${file} from)
  if(from STREQUAL "")
    continue()
  endif()
  list(FIND _order ${from} from_rank)
  file(STRINGS ${SOURCE_DIR}/${file} _includes REGEX "^#include \"")
  foreach(line IN LISTS _includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
    _layer_of(${target} to)
    if(to STREQUAL "")
      continue()
    endif()
    list(FIND _order ${to} to_rank)
    # backends, cli and win32 are side by side above the core: none
    # includes another's files but for the backends.
    if(to_rank GREATER from_rank OR (from STREQUAL "cli" AND to STREQUAL "win32") OR (from STREQUAL "win32" AND to STREQUAL "cli")
       OR (to STREQUAL "core/patterns/TAB" AND from STREQUAL "core/patterns/TAB" AND NOT from_tab STREQUAL to_tab))
      list(APPEND _faults "${file} includes ${target}")
    endif()
  endforeach()
endforeach()
if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "Includes that run up the layers:\n  ${_text}")
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that no file of a window-free layer reaches a widget: nothing under a
# core/ folder of src/, tests/ or bench/ includes a QtWidgets header or a
# header that lives in a ui/ folder. The folder a file sits in is its layer,
# so this keeps the rule without a reviewer.
#
#   cmake -DROOT=<tree> -DWIDGET_HEADERS=<QtWidgets include dir> -P CheckLayers.cmake
#
# Also included by the top-level CMakeLists.txt, so a configure fails as well.

cmake_policy(VERSION 3.25)

function(mindloom_check_layers root widget_dirs)
  set(widget_headers)
  foreach(dir IN LISTS widget_dirs)
    file(GLOB names RELATIVE "${dir}" "${dir}/*")
    list(APPEND widget_headers ${names})
  endforeach()
  set(ui_headers)
  file(GLOB_RECURSE ui_files "${root}/src/*/ui/*.h" "${root}/tests/*/ui/*.h" "${root}/bench/*/ui/*.h")
  foreach(file IN LISTS ui_files)
    get_filename_component(name "${file}" NAME)
    list(APPEND ui_headers "${name}")
  endforeach()
  file(GLOB_RECURSE core_files
    "${root}/src/*/core/*.h" "${root}/src/*/core/*.cpp"
    "${root}/tests/*/core/*.h" "${root}/tests/*/core/*.cpp"
    "${root}/bench/*/core/*.h" "${root}/bench/*/core/*.cpp")
  list(SORT core_files)
  set(findings)
  foreach(file IN LISTS core_files)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH shown "${root}" "${file}")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "include[ \t]*[<\"]([^>\"]+)[>\"]")
        continue()
      endif()
      set(included "${CMAKE_MATCH_1}")
      get_filename_component(included_name "${included}" NAME)
      if(included MATCHES "^Qt[A-Za-z]*Widgets/" OR (NOT included MATCHES "/" AND included IN_LIST widget_headers))
        list(APPEND findings "${shown}: includes the widget header <${included}>")
      elseif(included_name IN_LIST ui_headers)
        list(APPEND findings "${shown}: includes the window header \"${included}\"")
      endif()
    endforeach()
  endforeach()
  if(findings)
    list(JOIN findings "\n  " text)
    message(FATAL_ERROR "A window-free core/ file reaches the widget layer:\n  ${text}\n"
                        "Move the file to ui/, or move what it needs out of the widget layer.")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  mindloom_check_layers("${ROOT}" "${WIDGET_HEADERS}")
endif()

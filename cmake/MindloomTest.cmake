# SPDX-License-Identifier: GPL-3.0-or-later
# mindloom_layer_includes(<target>): a test or benchmark finds the helpers kept
# beside the tests of its subsystem's layers (core/ and ui/) by their names.
function(mindloom_layer_includes target)
  foreach(layer core ui)
    if(IS_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/${layer}")
      target_include_directories(${target} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}/${layer}")
    endif()
  endforeach()
endfunction()

# mindloom_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One QtTest executable per module, run by CTest on the offscreen platform.
# Its sources hold core/tst_<name>.cpp or ui/tst_<name>.cpp, so test, target
# and file share one name, and the folder tells the layer it tests.
function(mindloom_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(target tst_${name})
  set(main_source)
  foreach(source IN LISTS ARG_SOURCES)
    get_filename_component(source_name "${source}" NAME)
    if(source_name STREQUAL "${target}.cpp")
      set(main_source "${source}")
    endif()
  endforeach()
  if(NOT main_source)
    message(FATAL_ERROR "The test ${name} is built from ${target}.cpp, which its sources do not name: ${ARG_SOURCES}")
  endif()
  add_executable(${target} ${ARG_SOURCES})
  mindloom_layer_includes(${target})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test)
  target_compile_definitions(${target} PRIVATE
    MINDLOOM_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    MINDLOOM_ASSETS_DIR="${CMAKE_SOURCE_DIR}/assets")
  add_test(NAME ${name} COMMAND ${target})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false"
    TIMEOUT 300)
endfunction()

# mindloom_add_bench(<name> SOURCES <files...> LIBS <targets...>)
# Benchmarks are built but never run by CTest; they print their figures.
function(mindloom_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(bench_${name} ${ARG_SOURCES})
  mindloom_layer_includes(bench_${name})
  target_link_libraries(bench_${name} PRIVATE ${ARG_LIBS})
endfunction()

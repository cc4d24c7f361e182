# mindloom_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One QtTest executable per module, run by CTest on the offscreen platform.
# Its sources hold tst_<name>.cpp, so test, target and file share one name.
function(mindloom_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(target tst_${name})
  if(NOT "${target}.cpp" IN_LIST ARG_SOURCES)
    message(FATAL_ERROR "The test ${name} is built from ${target}.cpp, which its sources do not name: ${ARG_SOURCES}")
  endif()
  add_executable(${target} ${ARG_SOURCES})
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
  target_link_libraries(bench_${name} PRIVATE ${ARG_LIBS})
endfunction()

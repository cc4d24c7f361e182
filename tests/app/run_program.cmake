# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPROGRAM=<exe> -DARGS=<a;b> -DEXIT_CODE=<n> -DOUTPUT=<regex> -DERRORS=<regex> -P run_program.cmake
# Runs one program and checks its exit code, stdout and stderr (an empty
# pattern: nothing printed).
cmake_policy(VERSION 3.25)
execute_process(COMMAND "${PROGRAM}" ${ARGS} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)

function(check_stream name text pattern)
  if(pattern STREQUAL "" AND NOT text STREQUAL "")
    set(problems ${problems} "${name} should be empty" PARENT_SCOPE)
  elseif(NOT pattern STREQUAL "" AND NOT text MATCHES "${pattern}")
    set(problems ${problems} "${name} does not match ${pattern}" PARENT_SCOPE)
  endif()
endfunction()

set(problems)
if(NOT code STREQUAL EXIT_CODE)
  list(APPEND problems "exit code ${code}, expected ${EXIT_CODE}")
endif()
check_stream(stdout "${out}" "${OUTPUT}")
check_stream(stderr "${err}" "${ERRORS}")
if(problems)
  list(JOIN problems "; " text)
  message(FATAL_ERROR "${PROGRAM} ${ARGS}: ${text}\nstdout: ${out}\nstderr: ${err}")
endif()

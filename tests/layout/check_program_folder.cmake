# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a program folder from a copy of assets/, then plays the user and the
# developer between builds: files saved in the program folder stay as saved,
# deleted samples come back, Docs/ follows the source, new assets appear, and a
# build with nothing changed does nothing.
set(source "${WORK_DIR}/assets")
set(build "${WORK_DIR}/build")
set(program "${build}/program")
file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${ASSETS}/" DESTINATION "${source}")

function(fail what)
  message(FATAL_ERROR "program folder layout: ${what}")
endfunction()

function(build_folder)
  execute_process(COMMAND "${CMAKE_COMMAND}" --build "${build}" --target program_assets
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT code EQUAL 0)
    fail("the build failed:\n${out}")
  endif()
  set(build_output "${out}" PARENT_SCOPE)
endfunction()

function(expect_same relative)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${source}/${relative}" "${program}/${relative}"
                  RESULT_VARIABLE differ)
  if(differ)
    fail("${relative} in the program folder is not the source's")
  endif()
endfunction()

function(expect_text relative expected)
  if(NOT EXISTS "${program}/${relative}")
    fail("${relative} is missing")
  endif()
  file(READ "${program}/${relative}" actual)
  if(NOT actual STREQUAL expected)
    fail("${relative} holds \"${actual}\", not \"${expected}\"")
  endif()
endfunction()

# Saves the way the programs do: a new file renamed over the old one.
function(save_as_user relative text)
  file(WRITE "${program}/${relative}.tmp" "${text}")
  file(RENAME "${program}/${relative}.tmp" "${program}/${relative}")
endfunction()

function(expect_no_work)
  if(GENERATOR MATCHES "Ninja")
    build_folder()
    if(NOT build_output MATCHES "no work to do")
      fail("a build with nothing changed did work:\n${build_output}")
    endif()
  endif()
endfunction()

set(generator_args -G "${GENERATOR}")
if(MAKE_PROGRAM)
  list(APPEND generator_args "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${PROJECT_DIR}" -B "${build}" ${generator_args}
                        "-DMODULE_DIR=${MODULE_DIR}" "-DASSETS=${source}"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
  fail("configuring failed:\n${out}")
endif()

# A first build lays out every asset.
build_folder()
file(GLOB_RECURSE assets RELATIVE "${source}" "${source}/*")
foreach(asset IN LISTS assets)
  expect_same("${asset}")
endforeach()
expect_no_work()

# The user saves; meanwhile the samples in the source tree change too.
set(saved Options.Cfg Juniper.mem Juniper.qas Astronomy.kba Images/bg.jpg "Locations/Night City.jpg")
foreach(file IN LISTS saved)
  save_as_user("${file}" "user's ${file}")
  file(APPEND "${source}/${file}" "newer sample")
endforeach()
save_as_user("Scene1.scn" "BG=bg.jpg;")
build_folder()
foreach(file IN LISTS saved)
  expect_text("${file}" "user's ${file}")
endforeach()
expect_text("Scene1.scn" "BG=bg.jpg;")
expect_no_work()

# A deleted sample comes back, in the top folder and in a picture folder.
file(REMOVE "${program}/Options.Cfg" "${program}/Locations/Beach.jpg")
build_folder()
expect_same("Options.Cfg")
expect_same("Locations/Beach.jpg")
expect_text("Juniper.mem" "user's Juniper.mem")

# Docs/ is refreshed from the source.
file(APPEND "${source}/Docs/Frameloft.htm" "<!-- revised -->")
build_folder()
expect_same("Docs/Frameloft.htm")

# New assets appear, also in a new folder and later inside it.
file(WRITE "${source}/Images/added.jpg" "added picture")
file(WRITE "${source}/Scenes/first.scn" "BG=bg.jpg;")
build_folder()
expect_same("Images/added.jpg")
expect_same("Scenes/first.scn")
expect_no_work()
file(WRITE "${source}/Scenes/second.scn" "BG=added.jpg;")
build_folder()
expect_same("Scenes/second.scn")
expect_text("Images/bg.jpg" "user's Images/bg.jpg")
expect_no_work()

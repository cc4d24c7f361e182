# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=<dir> -DDESTINATION=<dir> -DSTAMP=<file> -DDEPFILE=<file> -P LayOutProgramFolder.cmake
#
# Copies every file of SOURCE that the program folder DESTINATION lacks; files
# under Docs/ are refreshed when they differ. Nothing else already in
# DESTINATION is touched. Writes a depfile naming every folder on both sides
# and every source file, then touches STAMP.
foreach(var SOURCE DESTINATION STAMP DEPFILE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "LayOutProgramFolder.cmake needs -D${var}=...")
  endif()
endforeach()

# Make-style depfile escaping: spaces, '#' and '$' occur in picture names.
function(_depfile_path out path)
  string(REPLACE "$" "$$" path "${path}")
  string(REPLACE "#" "\\#" path "${path}")
  string(REPLACE " " "\\ " path "${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY "${DESTINATION}")
set(watched "${SOURCE}" "${DESTINATION}")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${SOURCE}" "${SOURCE}/*")
list(SORT entries)
foreach(entry IN LISTS entries)
  set(from "${SOURCE}/${entry}")
  set(to "${DESTINATION}/${entry}")
  if(IS_DIRECTORY "${from}")
    file(MAKE_DIRECTORY "${to}")
    list(APPEND watched "${from}" "${to}")
    continue()
  endif()
  list(APPEND watched "${from}")
  if(entry MATCHES "^Docs/")
    file(COPY_FILE "${from}" "${to}" ONLY_IF_DIFFERENT)
  elseif(NOT EXISTS "${to}" AND NOT IS_SYMLINK "${to}")
    file(COPY_FILE "${from}" "${to}")
    message(STATUS "Added ${to}")
  endif()
endforeach()

_depfile_path(target "${STAMP}")
set(text "${target}:")
foreach(path IN LISTS watched)
  _depfile_path(path "${path}")
  string(APPEND text " \\\n  ${path}")
endforeach()
file(WRITE "${DEPFILE}" "${text}\n")
file(TOUCH "${STAMP}")

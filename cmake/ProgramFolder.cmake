# SPDX-License-Identifier: GPL-3.0-or-later
# mindloom_program_folder(<target> SOURCE <dir> DESTINATION <dir> [DEPENDS <files or targets>...])
#
# Lays out the program folder from <SOURCE> without ever overwriting what the
# programs save there: a data file (every file outside Docs/) is copied only
# when it is missing, so the user's personalities, knowledge bases, settings,
# scenes and pictures survive every build; Docs/ is shipped read-only content
# and follows the source tree.
#
# The step reruns when a source file or folder changes (a new asset appears)
# or a folder of the program folder changes (a sample was deleted or a file
# saved there); with nothing changed a build does nothing. The folders are
# tracked through a depfile written by the step itself, so new subfolders are
# followed without reconfiguring. DEPENDS names what else is written into the
# program folder (the executables), so their links come first and do not make
# the next build redo the layout.
set(_mindloom_layout_script "${CMAKE_CURRENT_LIST_DIR}/LayOutProgramFolder.cmake")

function(mindloom_program_folder target)
  cmake_parse_arguments(ARG "" "SOURCE;DESTINATION" "DEPENDS" ${ARGN})
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND "${CMAKE_COMMAND}" "-DSOURCE=${ARG_SOURCE}" "-DDESTINATION=${ARG_DESTINATION}"
            "-DSTAMP=${stamp}" "-DDEPFILE=${stamp}.d" -P "${_mindloom_layout_script}"
    DEPENDS "${_mindloom_layout_script}" ${ARG_DEPENDS}
    DEPFILE "${stamp}.d"
    COMMENT "Laying out the program folder ${ARG_DESTINATION}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS "${stamp}")
endfunction()

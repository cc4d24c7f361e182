# SPDX-License-Identifier: GPL-3.0-or-later
# mindloom_precompile_headers(): with MINDLOOM_PRECOMPILE_HEADERS on, Qt's
# common headers are compiled once per build instead of once per source file;
# a clean build spent about a quarter of its time reading them again.
#
# There are two sets: the QtCore and QtGui headers most files include, for
# the window-free targets, and the same with the common QtWidgets ones for
# every target that reaches QtWidgets. Whole modules made sets twice the size
# that saved less: a set is read from disk for every file. The compiler only
# takes a set for a file compiled with the flags the set was made with and at
# least the macros defined then, so each set is made by a target of its own
# that links just its Qt modules, and a file that differs is compiled from the
# headers as before (-Winvalid-pch says so). A target that reaches
# neither set's modules keeps its own headers.
#
# Left off by default: a build without it is the one that shows a missing
# include, and compiler caches do not take precompiled headers as they are.

function(mindloom_project_targets dir out)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    mindloom_project_targets("${subdir}" more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Sets <out> to the Qt modules of <modules> that <target>'s compile sees, that
# is: reached through its own links and its dependencies' public ones.
function(mindloom_reached_qt_modules target modules out)
  get_target_property(pending ${target} LINK_LIBRARIES)
  if(NOT pending)
    set(pending)
  endif()
  set(seen)
  set(reached)
  while(pending)
    list(POP_FRONT pending item)
    if(NOT TARGET "${item}" OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${item}")
    foreach(module IN LISTS modules)
      if(item STREQUAL "Qt6::${module}" OR item STREQUAL "Qt::${module}")
        list(APPEND reached ${module})
      endif()
    endforeach()
    get_target_property(more ${item} INTERFACE_LINK_LIBRARIES)
    if(more)
      list(APPEND pending ${more})
    endif()
  endwhile()
  list(REMOVE_DUPLICATES reached)
  set(${out} ${reached} PARENT_SCOPE)
endfunction()

function(mindloom_precompile_headers)
  if(NOT MINDLOOM_PRECOMPILE_HEADERS)
    return()
  endif()
  mindloom_project_targets("${CMAKE_SOURCE_DIR}" targets)

  set(source "${CMAKE_BINARY_DIR}/precompiled/empty.cpp")
  file(CONFIGURE OUTPUT "${source}" CONTENT "// Only the precompiled headers are made from this file.\n")
  set(core_modules Core Gui)
  set(core_headers
    <QtCore/QByteArray> <QtCore/QCoreApplication> <QtCore/QDir> <QtCore/QElapsedTimer> <QtCore/QFile>
    <QtCore/QFileInfo> <QtCore/QHash> <QtCore/QList> <QtCore/QObject> <QtCore/QString> <QtCore/QStringList>
    <QtCore/QTemporaryDir> <QtCore/QTimer> <QtCore/QVariant> <QtGui/QImage>
    <algorithm> <functional> <memory> <vector>)
  set(widgets_modules Core Gui Widgets)
  set(widgets_headers ${core_headers}
    <QtWidgets/QApplication> <QtWidgets/QLabel> <QtWidgets/QLineEdit> <QtWidgets/QMenu>
    <QtWidgets/QPushButton> <QtWidgets/QWidget>)
  foreach(set core widgets)
    set(host mindloom_precompiled_${set})
    add_library(${host} STATIC "${source}")
    set_target_properties(${host} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
    foreach(module IN LISTS ${set}_modules)
      target_link_libraries(${host} PRIVATE Qt6::${module})
    endforeach()
    target_precompile_headers(${host} PRIVATE ${${set}_headers})
  endforeach()

  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(imported ${target} IMPORTED)
    if(imported OR NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    mindloom_reached_qt_modules(${target} "Core;Gui;Widgets" reached)
    if("Widgets" IN_LIST reached)
      target_precompile_headers(${target} REUSE_FROM mindloom_precompiled_widgets)
    elseif("Gui" IN_LIST reached)
      target_precompile_headers(${target} REUSE_FROM mindloom_precompiled_core)
    endif()
  endforeach()
endfunction()

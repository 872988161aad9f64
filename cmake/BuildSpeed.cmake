# How the build is kept quick: a compiler cache shared by every build directory and clone of
# the user's, the mold linker, and precompiled headers for the heavy headers that never change
# with our code (the standard library, Qt, GoogleTest).

# ---- The compiler cache ----
# ccache keeps its objects in the user's cache folder ($XDG_CACHE_HOME/ccache, by default
# ~/.cache/ccache). Paths inside the source tree are hashed relative to it and the working
# directory is left out of the hash, so a fresh clone in another folder (the CI run after a
# session) finds the objects a first clone made. The precompiled headers are given by
# "-include", which ccache can cache once their definitions and time stamps are let be.
option(VIMBLE_CCACHE "Compile through ccache when it is installed" ON)
find_program(VIMBLE_CCACHE_PROGRAM ccache)
find_program(VIMBLE_ENV_PROGRAM env)
if(VIMBLE_CCACHE AND VIMBLE_CCACHE_PROGRAM AND VIMBLE_ENV_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${VIMBLE_ENV_PROGRAM}
      "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}"
      "CCACHE_NOHASHDIR=1"
      "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
      ${VIMBLE_CCACHE_PROGRAM})
  message(STATUS "Compiler cache: ${VIMBLE_CCACHE_PROGRAM}")
endif()

# ---- The linker ----
option(VIMBLE_MOLD "Link with mold when it is installed" ON)
if(VIMBLE_MOLD)
  include(CheckLinkerFlag)
  check_linker_flag(CXX "-fuse-ld=mold" VIMBLE_HAS_MOLD)
  if(VIMBLE_HAS_MOLD)
    add_link_options(-fuse-ld=mold)
  endif()
endif()

# ---- Precompiled headers ----
# Four sets, each compiled once in a holder target of its own and reused by every target of
# its kind (a holder has the flags of the targets that use it): the core libraries (the
# standard library, QtCore and QtGui), the window libraries (and QtWidgets), the tests of the
# core and the window tests (and GoogleTest, QtTest; their holders are made in tests/, with the
# tests' flags). A changed header of ours never touches them.
option(VIMBLE_PCH "Use precompiled headers" ON)
set(VIMBLE_PCH_STD
    <algorithm> <array> <atomic> <cmath> <cstdint> <cstdio> <cstdlib> <cstring> <filesystem>
    <functional> <map> <memory> <mutex> <optional> <set> <span> <string> <string_view>
    <thread> <utility> <vector>)
set(VIMBLE_PCH_GUI
    <QtCore/QByteArray> <QtCore/QDir> <QtCore/QFile> <QtCore/QFileInfo> <QtCore/QObject>
    <QtCore/QPoint> <QtCore/QRect> <QtCore/QSize> <QtCore/QString> <QtCore/QStringList>
    <QtCore/QTimer> <QtGui/QColor> <QtGui/QFont> <QtGui/QImage> <QtGui/QPainter>
    <QtGui/QPainterPath> <QtGui/QPixmap> <QtGui/QPolygon> <QtGui/QRegion>)
set(VIMBLE_PCH_WIDGETS
    <QtWidgets/QApplication> <QtWidgets/QDialog> <QtWidgets/QLabel> <QtWidgets/QLineEdit>
    <QtWidgets/QListWidget> <QtWidgets/QWidget> <QtGui/QKeyEvent> <QtGui/QMouseEvent>)
set(VIMBLE_PCH_TEST <gtest/gtest.h>)
set(VIMBLE_PCH_TEST_WIDGETS <QtTest/QTest>)

set(VIMBLE_PCH_SOURCE ${PROJECT_SOURCE_DIR}/cmake/pch.cpp)

# vimble_pch_holder(NAME HEADERS... LINK libraries...): the target that compiles one set.
function(vimble_pch_holder name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "HEADERS;LINK")
  add_library(${name} OBJECT ${VIMBLE_PCH_SOURCE})
  target_link_libraries(${name} PRIVATE ${ARG_LINK})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
endfunction()

# vimble_precompile(TARGET KIND [OWN]): TARGET takes the set of KIND (core, widgets, test,
# test_widgets); OWN compiles the set for TARGET alone, for a target whose definitions differ
# from the holder's.
set(VIMBLE_PCH_SETS_core ${VIMBLE_PCH_STD} ${VIMBLE_PCH_GUI})
set(VIMBLE_PCH_SETS_widgets ${VIMBLE_PCH_SETS_core} ${VIMBLE_PCH_WIDGETS})
set(VIMBLE_PCH_SETS_test ${VIMBLE_PCH_SETS_core} ${VIMBLE_PCH_TEST})
set(VIMBLE_PCH_SETS_test_widgets ${VIMBLE_PCH_SETS_widgets} ${VIMBLE_PCH_TEST}
    ${VIMBLE_PCH_TEST_WIDGETS})
function(vimble_precompile target kind)
  if(NOT VIMBLE_PCH)
    return()
  endif()
  if("OWN" IN_LIST ARGN)
    target_precompile_headers(${target} PRIVATE ${VIMBLE_PCH_SETS_${kind}})
  else()
    target_precompile_headers(${target} REUSE_FROM vimble_pch_${kind})
  endif()
  # A set that does not fit the target's flags would be ignored without a word.
  target_compile_options(${target} PRIVATE -Winvalid-pch)
endfunction()

if(VIMBLE_PCH)
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
  vimble_pch_holder(vimble_pch_core HEADERS ${VIMBLE_PCH_SETS_core} LINK Qt6::Core Qt6::Gui)
  vimble_pch_holder(vimble_pch_widgets HEADERS ${VIMBLE_PCH_SETS_widgets}
                    LINK Qt6::Core Qt6::Gui Qt6::Widgets)
endif()

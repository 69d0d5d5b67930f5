# Precompiled headers: the standard, Qt and test headers that most files
# include are compiled once per build into two headers, one that every target
# of the code reuses and one for the tests, instead of being parsed again for
# every file. Reuse needs the same compile options everywhere, which
# biorhythm_target_options gives; GCC refuses a header made with others
# (-Winvalid-pch, an error with the warnings).
if(NOT BIORHYTHM_PCH)
  return()
endif()

set(_pch_code
  <algorithm> <array> <cmath> <cstdint> <cstdlib> <cstring> <functional> <memory>
  <optional> <string> <utility> <vector>
  <QByteArray> <QColor> <QCoreApplication> <QDate> <QDir> <QFile> <QFont> <QGuiApplication>
  <QImage> <QList> <QObject> <QPainter> <QPixmap> <QRect> <QSize> <QString> <QStringList>
  <QTimer>
  <QApplication> <QMenu> <QTabBar> <QToolButton> <QWidget>)

# The owners of the headers compile nothing else. They take Qt's include
# folders but not the definitions its targets add (QT_WIDGETS_LIB and the
# like): GCC uses a header only where every macro it was made with is
# defined alike, and a target of the chart engine has no QT_WIDGETS_LIB.
set(_pch_source ${CMAKE_BINARY_DIR}/pch/empty.cpp)
file(CONFIGURE OUTPUT ${_pch_source} CONTENT "")
function(biorhythm_pch_owner name)
  add_library(${name} OBJECT ${_pch_source})
  biorhythm_target_options(${name} PCH none)
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  foreach(_qt Platform Core Gui Widgets)
    target_include_directories(${name} SYSTEM PRIVATE
      $<TARGET_PROPERTY:Qt6::${_qt},INTERFACE_INCLUDE_DIRECTORIES>)
  endforeach()
  target_compile_definitions(${name} PRIVATE $<$<NOT:$<CONFIG:Debug>>:QT_NO_DEBUG>)
  target_precompile_headers(${name} PRIVATE ${ARGN})
endfunction()

biorhythm_pch_owner(bio_pch_code ${_pch_code})
if(BIORHYTHM_TESTS)
  biorhythm_pch_owner(bio_pch_tests ${_pch_code} <QTemporaryDir> <gtest/gtest.h> <gmock/gmock.h>)
  target_link_libraries(bio_pch_tests PRIVATE GTest::gmock)
endif()

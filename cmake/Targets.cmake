# Helpers that keep the per-folder CMakeLists short.

include(GoogleTest)

# Headers precompiled into every target that uses Qt.
set(VYN_QT_PCH
  <QString> <QStringList> <QByteArray> <QList> <QHash> <QDir> <QFileInfo>
  <vector> <string> <memory> <functional> <map> <algorithm> <cstdint>)

# vyn_library(name SOURCES ... DEPS ...)
function(vyn_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  target_precompile_headers(${name} PRIVATE ${VYN_QT_PCH})
endfunction()

# vyn_test(name SOURCES ... DEPS ...): one GoogleTest executable; every test
# case in it is a CTest entry of its own (found by listing the cases when
# ctest runs), so that a skipped case is reported as skipped.
function(vyn_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} vyn_test_main GTest::gtest GTest::gmock)
  target_precompile_headers(${name} PRIVATE ${VYN_QT_PCH} <gtest/gtest.h>)
  target_compile_definitions(${name} PRIVATE VYN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      TIMEOUT 300)
endfunction()

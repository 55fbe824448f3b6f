# Helpers that keep the per-folder CMakeLists short.

include(GoogleTest)

# Two precompiled headers for the whole build, made once and reused by every
# target (a header per target filled the build folder with gigabytes of
# identical copies): vyn_pch for the libraries, the program and the
# benchmarks, vyn_test_pch (the same plus GoogleTest) for the tests. A reused
# header must see the macros it was made with, so vyn_pch is made with Qt
# Core's macros only (every target has them) and vyn_test_pch with
# GoogleTest's too (every test has them); -Winvalid-pch reports a target
# that cannot use its header.
set(VYN_PCH_HEADERS
  <QString> <QStringList> <QByteArray> <QList> <QHash> <QDir> <QFileInfo>
  <vector> <string> <memory> <functional> <map> <algorithm> <cstdint>)
add_library(vyn_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_link_libraries(vyn_pch PRIVATE Qt6::Core)
target_precompile_headers(vyn_pch PRIVATE ${VYN_PCH_HEADERS})
add_library(vyn_test_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_link_libraries(vyn_test_pch PRIVATE Qt6::Core GTest::gtest)
target_precompile_headers(vyn_test_pch PRIVATE ${VYN_PCH_HEADERS} <gtest/gtest.h>)

function(vyn_use_pch name)
  target_precompile_headers(${name} REUSE_FROM vyn_pch)
endfunction()

# vyn_library(name SOURCES ... DEPS ...)
function(vyn_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  vyn_use_pch(${name})
endfunction()

# vyn_test(name SOURCES ... DEPS ...): one GoogleTest executable; every test
# case in it is a CTest entry of its own (found by listing the cases when
# ctest runs), so that a skipped case is reported as skipped.
function(vyn_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_DEPS} vyn_test_main GTest::gtest GTest::gmock)
  target_precompile_headers(${name} REUSE_FROM vyn_test_pch)
  target_compile_definitions(${name} PRIVATE VYN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      TIMEOUT 300)
endfunction()

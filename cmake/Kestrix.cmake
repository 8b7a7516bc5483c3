# Shared build rules of the module's own targets.

# Our own code builds without warnings.
function(kestrix_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Environment of every test: headless Qt, sanitizers that halt on the first
# error, leak reports inside third-party libraries suppressed by name.
set(KESTRIX_TEST_ENV
  "QT_QPA_PLATFORM=offscreen"
  "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1"
  "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
  "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
  "KESTRIX_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
  "KESTRIX_BINARY_DIR=${CMAKE_BINARY_DIR}"
)

# kestrix_test(<name> [OWN_MAIN] SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable; every TEST becomes a CTest test of its own so
# that `ctest -j` spreads them over the cores.
function(kestrix_test name)
  cmake_parse_arguments(T "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  kestrix_strict(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${KESTRIX_TEST_ENV}" TIMEOUT 300)
endfunction()

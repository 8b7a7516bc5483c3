# Shared build rules of the module's own targets.

# Our own code builds without warnings. The test build treats them as errors;
# other configurations only report them, so that a newer or older compiler's
# new (or false) warnings never stop a user's or a packager's build.
function(kestrix_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(KESTRIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # GCC 12's optimiser reports overlapping copies inside std::string that
  # cannot happen (GCC bug 105329); optimised builds leave that check out.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict>)
  endif()
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
  # Never the user's registry: tests that care point it at a file of their own.
  "KESTRIX_REGISTRY=${CMAKE_BINARY_DIR}/test-registry/registry.reg"
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
  # Each test runs as `env <KESTRIX_TEST_ENV> test ...`: the discovered
  # tests would take only the first entry of a list-valued ENVIRONMENT
  # property, and the test runner of the discovery (the target's emulator)
  # is the one way in that keeps every entry.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR env ${KESTRIX_TEST_ENV})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()

# kestrix_never_links(<library> <targets...>): the configuration fails when
# one of the targets reaches the library through its link libraries.
function(kestrix_never_links forbidden)
  foreach(root IN LISTS ARGN)
    set(seen "")
    set(todo ${root})
    list(LENGTH todo left)
    while(left GREATER 0)
      list(POP_FRONT todo t)
      list(LENGTH todo left)
      if(t IN_LIST seen OR NOT TARGET ${t})
        continue()
      endif()
      list(APPEND seen ${t})
      if(t STREQUAL forbidden)
        message(FATAL_ERROR "${root} must not link ${forbidden}, but does through its libraries")
      endif()
      get_target_property(aliased ${t} ALIASED_TARGET)
      get_target_property(direct ${t} LINK_LIBRARIES)
      get_target_property(interface ${t} INTERFACE_LINK_LIBRARIES)
      foreach(lib IN LISTS aliased direct interface)
        # Private dependencies of static libraries appear as $<LINK_ONLY:x>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
        if(lib)
          list(APPEND todo ${lib})
          list(LENGTH todo left)
        endif()
      endforeach()
    endwhile()
  endforeach()
endfunction()

# kestrix_without_widgets(<targets...>): the configuration fails when one of
# the targets reaches Qt6::Widgets through its link libraries, so that the
# engine, the catalogue and the simulator stay free of windows.
function(kestrix_without_widgets)
  kestrix_never_links(Qt6::Widgets ${ARGN})
endfunction()

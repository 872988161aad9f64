# How ctest runs a GoogleTest program: one process per test suite, or per a few small suites,
# not one per test. Starting a test process costs far more than most tests (AddressSanitizer,
# the application object, LeakSanitizer's scan at exit), and a suite's cases share their
# fixtures anyway.
#
#   vimble_test_suites(TARGET [TIMEOUT seconds] [ENVIRONMENT VAR=value...])
#
# After each link the program lists its tests (--gtest_list_tests) and ctest entries are
# written for its suites: a suite of VIMBLE_TEST_GROUP_CASES cases or more, one the
# ThreadSanitizer build runs or a slow one (VIMBLE_SLOW_SUITES, tests/CMakeLists.txt, which
# also start first) is an entry of its own, named FOLDER/SUITE ("editor/Splash",
# "editor/Modes/ObjectDialog"); smaller suites share an entry of about that many cases, named
# by its suites joined with "+" ("dialogs/FileTypes+MountTable"). So `ctest -R Splash` still
# finds a suite, and two programs may have suites of the same name. An entry runs its suites'
# cases in order, writes their results to BUILD/test-results/FOLDER.FIRSTSUITE.xml
# (tools/test-count.py adds them up) and fails when one case fails; its output, shown by
# --output-on-failure, names the failing case. Its cost is the number of its cases, so that on
# a first run, before ctest knows the entries' times, the large ones start first and both cores
# stay busy to the end. -DVIMBLE_TEST_GROUP_CASES=1 gives every suite an entry of its own.
#
# A suite named in VIMBLE_THREAD_SUITES (tests/CMakeLists.txt) carries the label "threads":
# those are the suites the ThreadSanitizer build runs (tools/tsan.sh).
set(VIMBLE_TEST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/TestSuitesAdd.cmake)
set(VIMBLE_TEST_GROUP_CASES 40 CACHE STRING "How many cases the small test suites run per process")

function(vimble_test_suites target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "ENVIRONMENT")
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(ctest_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  # Lists reach the script with "|" between their entries.
  string(REPLACE "\\;" ";" environment "${arg_ENVIRONMENT}")
  string(REPLACE ";" "|" environment "${environment}")
  string(REPLACE ";" "|" thread_suites "${VIMBLE_THREAD_SUITES}")
  string(REPLACE ";" "|" slow_suites "${VIMBLE_SLOW_SUITES}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND}
            -D "PROGRAM=$<TARGET_FILE:${target}>"
            -D "FOLDER=${folder}"
            -D "WORKING_DIRECTORY=${CMAKE_CURRENT_BINARY_DIR}"
            -D "CTEST_FILE=${ctest_file}"
            -D "RESULTS_DIR=${CMAKE_BINARY_DIR}/test-results"
            -D "TIMEOUT=${arg_TIMEOUT}"
            -D "GROUP_CASES=${VIMBLE_TEST_GROUP_CASES}"
            -D "ENVIRONMENT=${environment}"
            -D "THREAD_SUITES=${thread_suites}"
            -D "SLOW_SUITES=${slow_suites}"
            -P ${VIMBLE_TEST_SUITES_SCRIPT}
    BYPRODUCTS ${ctest_file}
    VERBATIM)
  # A change to the script links the program again, which writes the entries afresh.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VIMBLE_TEST_SUITES_SCRIPT})
  # A program that was not built (the ThreadSanitizer build makes only some) is one entry that
  # says so, as with ctest's own discovery.
  set(loader ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
  file(WRITE ${loader}
    "if(EXISTS \"${ctest_file}\")\n"
    "  include(\"${ctest_file}\")\n"
    "else()\n"
    "  add_test(${folder}/NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${loader})
endfunction()

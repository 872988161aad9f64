# Run after a test program is linked (cmake/TestSuites.cmake): lists its tests and writes one
# ctest entries, each a process running one suite or a few small ones, into CTEST_FILE.
cmake_policy(SET CMP0057 NEW) # if(IN_LIST)
string(REPLACE "|" ";" THREAD_SUITES "${THREAD_SUITES}")
string(REPLACE "|" ";" SLOW_SUITES "${SLOW_SUITES}")
string(REPLACE "|" ";" ENVIRONMENT "${ENVIRONMENT}")
execute_process(
  COMMAND "${PROGRAM}" --gtest_list_tests
  WORKING_DIRECTORY "${WORKING_DIRECTORY}"
  TIMEOUT 120
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${result}):\n${listing}\n${errors}")
endif()

# The listing: a suite's name at the start of a line, ending with "." (a typed or value-
# parameterised suite adds "  # ..."), then its cases, indented.
string(REPLACE ";" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
    set(suite "${CMAKE_MATCH_1}")
    list(APPEND suites "${suite}")
    set(count_${suite} 0)
  elseif(line MATCHES "^  [^ ]" AND DEFINED suite)
    math(EXPR count_${suite} "${count_${suite}} + 1")
  endif()
endforeach()

# The entries: a suite of GROUP_CASES cases or more is an entry of its own, and so is a suite
# the ThreadSanitizer build runs or a slow one (SLOW_SUITES, named FOLDER/SUITE); the smaller
# ones are packed, in the listing's order, into entries of about GROUP_CASES cases, for a
# process's start and end cost more than most cases.
# An entry is named by its suites joined with "+" ("editor/Splash+SplashFrames"), so that
# `ctest -R SplashFrames` still finds it.
set(entries "")
set(pending "")
set(pending_count 0)
foreach(suite IN LISTS suites)
  if("${suite}" IN_LIST THREAD_SUITES OR "${FOLDER}/${suite}" IN_LIST SLOW_SUITES
     OR count_${suite} GREATER_EQUAL GROUP_CASES)
    list(APPEND entries "${suite}")
    continue()
  endif()
  # A name stays short enough to read in ctest's lines.
  string(LENGTH "${pending}+${suite}" length)
  if(NOT pending STREQUAL "" AND length GREATER 90)
    list(APPEND entries "${pending}")
    set(pending "")
    set(pending_count 0)
  endif()
  if(pending STREQUAL "")
    set(pending "${suite}")
  else()
    string(APPEND pending "+${suite}")
  endif()
  math(EXPR pending_count "${pending_count} + ${count_${suite}}")
  if(pending_count GREATER_EQUAL GROUP_CASES)
    list(APPEND entries "${pending}")
    set(pending "")
    set(pending_count 0)
  endif()
endforeach()
if(NOT pending STREQUAL "")
  list(APPEND entries "${pending}")
endif()

set(script "")
foreach(entry IN LISTS entries)
  string(REPLACE "+" ";" members "${entry}")
  set(name "${FOLDER}/${entry}")
  list(GET members 0 first)
  string(REPLACE "/" "." result_name "${FOLDER}/${first}")
  set(filter "")
  set(cost 0)
  foreach(suite IN LISTS members)
    list(APPEND filter "${suite}.*")
    math(EXPR cost "${cost} + ${count_${suite}}")
  endforeach()
  string(REPLACE ";" ":" filter "${filter}")
  # A slow suite starts before any other on a first run, when ctest knows no times yet.
  if("${FOLDER}/${first}" IN_LIST SLOW_SUITES)
    math(EXPR cost "${cost} + 1000")
  endif()
  set(labels "${FOLDER}")
  if("${first}" IN_LIST THREAD_SUITES)
    list(APPEND labels threads)
  endif()
  string(APPEND script
    "add_test([==[${name}]==] [==[${PROGRAM}]==] [==[--gtest_filter=${filter}]==] "
    "[==[--gtest_output=xml:${RESULTS_DIR}/${result_name}.xml]==])\n"
    "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIRECTORY}]==] "
    "TIMEOUT ${TIMEOUT} COST ${cost} LABELS [==[${labels}]==]")
  if(NOT "${ENVIRONMENT}" STREQUAL "")
    string(APPEND script " ENVIRONMENT [==[${ENVIRONMENT}]==]")
  endif()
  string(APPEND script ")\n")
endforeach()
file(WRITE "${CTEST_FILE}" "${script}")

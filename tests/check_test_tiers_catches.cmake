# The tiers on a small build tree of its own. A GoogleTest program's cases get theirs from
# the script vellaro_gtest_tiers (tests/tiers.cmake) writes: the case its pattern names is
# `slow`, the other `unit`, and a pattern that names no case is a failing test. Beside them,
# a test with only a part's label, one with two tiers and a placeholder of a program not
# built: the check must name the first two, and only them; once each test has one tier and
# every pattern names a case, it must pass.
# Usage: cmake -DWORK=<scratch> -DCHECK=<check_test_tiers.cmake> -DTIERS=<tiers.cmake>
#              -DCTEST=<ctest> -P check_test_tiers_catches.cmake
file(REMOVE_RECURSE ${WORK})
set(tree ${WORK}/build)
include(${TIERS})

function(write_tree untiered_labels twice_labels)
  set(CMAKE_CURRENT_BINARY_DIR ${tree}/part)
  vellaro_gtest_tiers(program SLOW ${ARGN})
  file(WRITE ${tree}/CTestTestfile.cmake "subdirs(\"part\")\n")
  file(WRITE ${tree}/part/CTestTestfile.cmake
       "add_test(tiered /bin/true)\n"
       "set_tests_properties(tiered PROPERTIES LABELS \"core;unit\")\n"
       "add_test(untiered /bin/true)\n"
       "set_tests_properties(untiered PROPERTIES LABELS \"${untiered_labels}\")\n"
       "add_test(twice /bin/true)\n"
       "set_tests_properties(twice PROPERTIES LABELS \"${twice_labels}\")\n"
       "add_test(Slow.Case /bin/true)\n"
       "add_test(Quick.Case /bin/true)\n"
       "set_tests_properties(Slow.Case Quick.Case PROPERTIES LABELS sim)\n"
       "set(program_TESTS Slow.Case Quick.Case)\n"
       "add_test(other_NOT_BUILT other_NOT_BUILT)\n"
       "include(\"${tree}/part/program_tiers.cmake\")\n")
endfunction()

function(run_check result_var report_var)
  execute_process(COMMAND ${CMAKE_COMMAND} -DBUILD=${tree} -DWORK=${WORK}/copy -DCTEST=${CTEST}
                          -P ${CHECK}
                  RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result_var} "${failed}" PARENT_SCOPE)
  set(${report_var} "${out}${err}" PARENT_SCOPE)
endfunction()

# What CTest runs of the tree with `options`, and whether all of it passed.
function(run_tests result_var listing_var)
  execute_process(COMMAND ${CTEST} --test-dir ${WORK}/copy ${ARGN}
                  RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result_var} "${failed}" PARENT_SCOPE)
  set(${listing_var} "${out}${err}" PARENT_SCOPE)
endfunction()

function(expect text in what)
  string(FIND "${in}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what} does not hold \"${text}\":\n${in}")
  endif()
endfunction()

write_tree("app" "unit;e2e" "^Slow\\.Case$" "^Gone\\.Case$")
run_check(failed report)
if(NOT failed)
  message(FATAL_ERROR "The check passed a test without a tier and one with two:\n${report}")
endif()
expect("untiered: no tier" "${report}" "The check's report")
expect("twice: both e2e and unit" "${report}" "The check's report")
foreach(right "  tiered:" "Slow.Case" "Quick.Case" "NOT_BUILT" "slow_tier_finds_no")
  string(FIND "${report}" "${right}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "The check named \"${right}\", which has one tier:\n${report}")
  endif()
endforeach()

run_tests(failed listing --show-only -L "^slow$")
expect(": Slow.Case\n" "${listing}" "The slow tests")
run_tests(failed listing --show-only -L "^unit$")
expect(": Quick.Case\n" "${listing}" "The unit tests")
run_tests(failed listing --output-on-failure -R "^slow_tier_finds_no_program_")
if(NOT failed)
  message(FATAL_ERROR "A slow pattern that names no case did not fail a test:\n${listing}")
endif()
expect("no case of program matches the slow pattern ^Gone\\.Case$" "${listing}"
       "The failing test's output")

write_tree("app;slow" "e2e" "^Slow\\.Case$")
run_check(failed report)
if(failed)
  message(FATAL_ERROR "The check failed a tree whose tests have one tier each:\n${report}")
endif()
run_tests(failed listing --show-only -R "^slow_tier_finds_no_")
string(FIND "${listing}" "slow_tier_finds_no_" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "A failing test for a slow pattern that names a case:\n${listing}")
endif()

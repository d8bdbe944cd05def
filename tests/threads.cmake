# The tests that start threads carry the label `threads` besides their others, and the
# ThreadSanitizer build (VELLARO_TSAN) runs them: `ctest -L threads`. There they run with
# TSAN_OPTIONS that make any report fail the test (the programs they start inherit it), and
# with tests/tsan.supp, which holds only reports of Qt's own code: Qt is not built with the
# sanitizer, so what its threads do among themselves is never seen to be ordered.

# ignore_noninstrumented_modules: what Qt's libraries (and the libraries under them, such as
# HarfBuzz) read and write through the C library is theirs, unseen like the rest of what
# they do; the order their locks give is still seen.
set(VELLARO_TSAN_OPTIONS "halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1 \
suppressions=${CMAKE_CURRENT_LIST_DIR}/tsan.supp")

# What those tests run, and only that: the ThreadSanitizer stage of scripts/test.sh builds
# this target, not the whole tree.
add_custom_target(vellaro_threads_tests)

# Tests made with add_test, and the TARGETS they run. The ThreadSanitizer stage leaves out
# the slow tests that its preset names (their threads are those of quick ones), so the
# targets of slow tests are not built for it, but for tests marked SLOW_TOO: slow, and
# starting threads no quick test starts.
function(vellaro_threads_tests)
  cmake_parse_arguments(T "SLOW_TOO" "" "TESTS;TARGETS" ${ARGN})
  set_property(TEST ${T_TESTS} APPEND PROPERTY LABELS threads)
  if(VELLARO_TSAN)
    set_property(TEST ${T_TESTS} APPEND PROPERTY ENVIRONMENT "TSAN_OPTIONS=${VELLARO_TSAN_OPTIONS}")
  endif()
  foreach(test IN LISTS T_TESTS)
    get_test_property(${test} LABELS labels)
    if(T_SLOW_TOO OR NOT "slow" IN_LIST labels)
      add_dependencies(vellaro_threads_tests ${T_TARGETS})
    endif()
  endforeach()
endfunction()

# The cases of the GoogleTest program `target` whose suite is one of the SUITES that follow
# (with the other TARGETS they run).
# Its cases are known only once it is built (gtest_discover_tests), so this leaves CTest a
# script that labels them after it has read them: call it after gtest_discover_tests. In
# CTest's scripts set_tests_properties adds labels and environment to those a test has. A
# suite that none of the cases has (renamed, say) becomes a failing test of its own, so a
# label is never lost without a word.
function(vellaro_threads_gtests target)
  cmake_parse_arguments(T "" "" "SUITES;TARGETS" ${ARGN})
  add_dependencies(vellaro_threads_tests ${target} ${T_TARGETS})
  set(environment "")
  if(VELLARO_TSAN)
    set(environment "ENVIRONMENT [==[TSAN_OPTIONS=${VELLARO_TSAN_OPTIONS}]==]")
  endif()
  set(script "${CMAKE_CURRENT_BINARY_DIR}/${target}_threads.cmake")
  file(CONFIGURE OUTPUT "${script}" @ONLY CONTENT [=[
# Made by tests/threads.cmake: the cases of @target@ that start threads.
if(DEFINED @target@_TESTS)
  foreach(suite IN ITEMS @T_SUITES@)
    set(found FALSE)
    foreach(name IN LISTS @target@_TESTS)
      if(name MATCHES "^${suite}\\.")
        set_tests_properties("${name}" PROPERTIES LABELS threads @environment@)
        set(found TRUE)
      endif()
    endforeach()
    if(NOT found)
      add_test("threads_label_finds_no_${suite}" "@CMAKE_COMMAND@" -E echo
               "tests/threads.cmake: @target@ has no suite ${suite}; say which of its cases start threads")
      set_tests_properties("threads_label_finds_no_${suite}" PROPERTIES LABELS "threads;unit" WILL_FAIL TRUE)
    endif()
  endforeach()
endif()
]=])
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${script}")
endfunction()

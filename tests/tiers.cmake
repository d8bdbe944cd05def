# What a test costs, as one label each test has exactly one of (the test tests_have_one_tier
# checks it):
#   unit  deterministic, each well under a second: `ctest -L unit` is the loop a developer
#         runs while working, about a minute in all
#   slow  statistical or long: the storm, the random evenings, the calibration, the exact
#         ruin, the corpus, the window's longer Qt tests, the kills of the salvage
#   e2e   the real window on an X server of its own, or a real browser
# A test also keeps the label of its part (core, sim, app, storm, report), which the scripts
# select by. A test made with add_test names its tier beside them.

# The cases of the GoogleTest program `target` whose full name (Suite.Case, with a value
# parameter's prefix and suffix) matches one of the regular expressions after SLOW are
# `slow`, the others `unit`. Call it after gtest_discover_tests(target) in the same folder.
# The cases are known only once the program is built, so this leaves CTest a script that
# labels them after it has read them (there set_tests_properties adds to a test's labels).
# A pattern that matches no case becomes a failing test of its own: a renamed slow case
# would otherwise join the quick loop unseen.
function(vellaro_gtest_tiers target)
  cmake_parse_arguments(T "" "" "SLOW" ${ARGN})
  set(script "${CMAKE_CURRENT_BINARY_DIR}/${target}_tiers.cmake")
  file(CONFIGURE OUTPUT "${script}" @ONLY CONTENT [=[
# Made by tests/tiers.cmake: the tier of each case of @target@.
if(DEFINED @target@_TESTS)
  set(slow_patterns [==[@T_SLOW@]==])
  set(unmatched "${slow_patterns}")
  foreach(name IN LISTS @target@_TESTS)
    set(tier unit)
    foreach(pattern IN LISTS slow_patterns)
      if(name MATCHES "${pattern}")
        set(tier slow)
        list(REMOVE_ITEM unmatched "${pattern}")
      endif()
    endforeach()
    set_tests_properties("${name}" PROPERTIES LABELS ${tier})
  endforeach()
  foreach(pattern IN LISTS unmatched)
    string(MAKE_C_IDENTIFIER "${pattern}" id)
    add_test("slow_tier_finds_no_@target@_${id}" "@CMAKE_COMMAND@" -E echo
             "tests/tiers.cmake: no case of @target@ matches the slow pattern ${pattern}")
    set_tests_properties("slow_tier_finds_no_@target@_${id}" PROPERTIES LABELS unit WILL_FAIL TRUE)
  endforeach()
endif()
]=])
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${script}")
endfunction()

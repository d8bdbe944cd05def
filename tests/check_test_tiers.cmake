# Fails if a test of the build in BUILD has no tier or more than one. The tier is the label
# that says what a test costs (tests/tiers.cmake): `unit`, `slow` or `e2e`; `ctest -L unit`
# is the quick loop, and a test without a tier would be left out of it unseen, one with two
# would be run where it does not belong.
#
# CTest itself reads the tests, as `ctest -L` would, including the cases GoogleTest programs
# list and the labels scripts add to them afterwards. It reads them from a copy of the
# build's test files in WORK: CTest writes its log where it reads, and this check runs inside
# a CTest run on the same build, whose log must stay its own. Placeholders of GoogleTest
# programs not built yet (NAME_NOT_BUILT) are not tests, and are left out.
# Usage: cmake -DBUILD=<build> -DWORK=<scratch folder> -DCTEST=<ctest> -P check_test_tiers.cmake

set(tiers unit slow e2e)

file(REMOVE_RECURSE ${WORK})
file(GLOB_RECURSE test_files RELATIVE ${BUILD} ${BUILD}/CTestTestfile.cmake
     ${BUILD}/*/CTestTestfile.cmake)
if(NOT test_files)
  message(FATAL_ERROR "No CTestTestfile.cmake under ${BUILD}")
endif()
foreach(file IN LISTS test_files)
  get_filename_component(folder ${WORK}/${file} DIRECTORY)
  file(COPY ${BUILD}/${file} DESTINATION ${folder})
endforeach()

# The names of the tests CTest selects with `arguments` (label options).
function(tests_with result)
  execute_process(COMMAND ${CTEST} --test-dir ${WORK} --show-only ${ARGN}
                  RESULT_VARIABLE failed OUTPUT_VARIABLE listing ERROR_VARIABLE listing)
  if(failed)
    message(FATAL_ERROR "ctest could not read the tests:\n${listing}")
  endif()
  string(REGEX MATCHALL "Test +#[0-9]+: [^\n]+" lines "${listing}")
  set(names "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^Test +#[0-9]+: " "" name "${line}")
    if(NOT name MATCHES "_NOT_BUILT$")
      list(APPEND names "${name}")
    endif()
  endforeach()
  set(${result} "${names}" PARENT_SCOPE)
endfunction()

set(report "")
list(JOIN tiers "|" any_tier)
tests_with(untiered -LE "^(${any_tier})$")
foreach(name IN LISTS untiered)
  string(APPEND report "  ${name}: no tier\n")
endforeach()
# -L given twice selects the tests that have both labels.
foreach(first IN LISTS tiers)
  foreach(second IN LISTS tiers)
    if(first STRLESS second)
      tests_with(both -L "^${first}$" -L "^${second}$")
      foreach(name IN LISTS both)
        string(APPEND report "  ${name}: both ${first} and ${second}\n")
      endforeach()
    endif()
  endforeach()
endforeach()

tests_with(all)
list(LENGTH all count)
if(count EQUAL 0)
  message(FATAL_ERROR "No test found under ${BUILD}")
endif()
if(report)
  list(JOIN tiers ", " names)
  message(FATAL_ERROR "Each test needs exactly one of the labels ${names} "
                      "(see tests/tiers.cmake):\n${report}")
endif()
message(STATUS "${count} tests, each of one tier")

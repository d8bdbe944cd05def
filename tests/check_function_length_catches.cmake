# The function-length check run on a small tree of its own: a function of 61 lines (its
# signature on two lines, a lambda and a block inside) must be reported with its file, line
# and length, in whatever folder it is; one of 60 lines, a table, a class body longer than
# that and a long function in a build folder must not.
file(REMOVE_RECURSE ${WORK})

# Exactly `count` lines of statements: a lambda holding a block, and plain lines.
function(body count result)
  set(text "  auto step = [](int x) {\n    if (x > 1) {\n      x -= 1;\n    }\n    return x;\n  };\n")
  math(EXPR plain "${count} - 6")
  string(REPEAT "  step(${count});\n" ${plain} lines)
  set(${result} "${text}${lines}" PARENT_SCOPE)
endfunction()

# From the signature to the closing brace: 2 + 58 + 1 = 61 lines, and 1 + 57 + 1 + 1 = 60.
body(58 too_long)
body(57 just_fits)
file(WRITE ${WORK}/newpart/steps.cpp
     "namespace steps {\n\n"
     "void TooLong(int a,\n"
     "             int b) {\n" "${too_long}" "}\n\n"
     "int JustFits() {\n" "${just_fits}" "  return 0;\n}\n\n"
     "struct Holder {\n  void Inline() {\n" "${too_long}" "  }\n};\n\n"
     "}  // namespace steps\n")
string(REPEAT "    1, 2, 3,\n" 70 rows)
file(WRITE ${WORK}/tools/sim/table.h "const int kTable[] = {\n" "${rows}" "};\n")
# Generated code is not the project's to split.
file(WRITE ${WORK}/build-release/generated.cpp
     "void Generated(int a,\n               int b) {\n" "${too_long}" "}\n")

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK}
                RESULT_VARIABLE failed ERROR_VARIABLE report)
string(REGEX MATCHALL "\n *[a-z/_-]+\\.(h|cpp):[0-9]+: " found "${report}")
list(LENGTH found count)
if(NOT failed OR NOT count EQUAL 1)
  message(FATAL_ERROR "Expected one function over the limit, the check said:\n${report}")
endif()
string(FIND "${report}" "newpart/steps.cpp:3: TooLong() runs 61 lines" at)
if(at EQUAL -1)
  message(FATAL_ERROR "Not reported as TooLong at line 3, 61 lines long:\n${report}")
endif()

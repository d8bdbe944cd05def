# The layers check run on a small tree of its own, made here, that breaks each rule once and
# keeps to them otherwise: it must report exactly the four broken includes. The window and
# the backtester stand side by side: neither includes the other.
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/game/upward.h "#include \"env/clock.h\"\n#include \"journal/log.h\"\n")
file(WRITE ${WORK}/journal/log.h "// the program's own header; a test beside it has the same name\n")
file(WRITE ${WORK}/tests/journal/log.h "// a test's header\n")
file(WRITE ${WORK}/tests/support/peer.h "// a white-box door for tests only\n")
file(WRITE ${WORK}/tools/sim/peek.h "#include \"../../tests/support/peer.h\"\n")
file(WRITE ${WORK}/app/peek.cpp "#include \"support/peer.h\"\n#include \"journal/log.h\"\n"
           "#include <tools/sim/peek.h>\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK}
                RESULT_VARIABLE failed ERROR_VARIABLE report)
string(REGEX MATCHALL "\n *[a-z/_]+\\.(h|cpp): " found "${report}")
set(expected
    "game/upward.h: #include \"journal/log.h\": game/ may not include journal/"
    "tools/sim/peek.h: #include \"../../tests/support/peer.h\": only tests may"
    "app/peek.cpp: #include \"support/peer.h\": only tests may"
    "app/peek.cpp: #include <tools/sim/peek.h>: app/ may not include tools/")
list(LENGTH found count)
if(NOT failed OR NOT count EQUAL 4)
  message(FATAL_ERROR "Expected four broken includes, the check said:\n${report}")
endif()
foreach(line IN LISTS expected)
  string(FIND "${report}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Not reported: ${line}\nThe check said:\n${report}")
  endif()
endforeach()

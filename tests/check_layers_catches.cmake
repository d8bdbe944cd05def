# The layers check run on a small tree of its own, made here, that breaks each rule once and
# keeps to them otherwise: it must report exactly the four broken includes, the two
# readings of the game's insides above front/ and the area that includes the main window's
# header (main() and the window's own files may). The window and the backtester stand side by
# side: neither includes the other.
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/game/upward.h "#include \"env/clock.h\"\n#include \"journal/log.h\"\n")
file(WRITE ${WORK}/journal/log.h "// the program's own header; a test beside it has the same name\n")
file(WRITE ${WORK}/tests/journal/log.h "// a test's header\n")
file(WRITE ${WORK}/tests/support/peer.h "// a white-box door for tests only\n")
file(WRITE ${WORK}/tools/sim/peek.h "#include \"../../tests/support/peer.h\"\n")
file(WRITE ${WORK}/app/peek.cpp "#include \"support/peer.h\"\n#include \"journal/log.h\"\n"
           "#include <tools/sim/peek.h>\n")
file(WRITE ${WORK}/app/main_window.cpp "#include \"app/main_window.h\"\nvoid MainWindow::Sync() {}\n")
file(WRITE ${WORK}/app/main.cpp "#include \"app/main_window.h\"\n")
file(WRITE ${WORK}/app/head_area.cpp "#include \"app/main_window.h\"\n")
file(WRITE ${WORK}/front/view.cpp "#include \"game/window.h\"\nint n = game.controls().n;\n")
file(WRITE ${WORK}/session/risk.cpp "#include \"game/state.h\"\n#include \"game/settings.h\"\n"
           "int n = SnapshotOf(game).figures.stake;\nint m = game->state().Stake;\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK}
                RESULT_VARIABLE failed ERROR_VARIABLE report)
string(REGEX MATCHALL "\n *[a-z/_]+\\.(h|cpp): " found "${report}")
set(expected
    "game/upward.h: #include \"journal/log.h\": game/ may not include journal/"
    "tools/sim/peek.h: #include \"../../tests/support/peer.h\": only tests may"
    "app/peek.cpp: #include \"support/peer.h\": only tests may"
    "app/peek.cpp: #include <tools/sim/peek.h>: app/ may not include tools/"
    "session/risk.cpp: #include \"game/state.h\": the game's variables"
    "session/risk.cpp: int m = game->state().Stake;: the game's variables"
    "app/head_area.cpp: #include \"app/main_window.h\": a part of the window")
list(LENGTH found count)
if(NOT failed OR NOT count EQUAL 7)
  message(FATAL_ERROR "Expected four broken includes, two readings and an area reaching the "
                      "window, the check said:\n${report}")
endif()
foreach(line IN LISTS expected)
  string(FIND "${report}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Not reported: ${line}\nThe check said:\n${report}")
  endif()
endforeach()

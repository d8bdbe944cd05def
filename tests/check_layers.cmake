# Fails if a source includes a header of a folder above its own, or any header of tests/.
# The folders are layers, lowest first; a folder may include its own headers and those of
# the layers below it. replay/ lies above journal/: it plays stored sessions through a game,
# and the journal, which only reads and writes them, never replays (its salvage is handed
# the check that does). host/ holds the window's game, its journal and its resume, free of
# Qt. The backtester (tools/) and the window (app/) both replay through replay/, and neither
# includes the other.
# The game's state variables and controls (game/state.h, game/window.h, and a Game's
# state() and controls()) are read only inside the engine's own folders, up to front/; above
# them a game is read through GameView and its snapshot (front/game_snapshot.h), whose names
# say what a figure is, not what a control was called.
# The window's areas, buttons and dialogs see the window only through the narrow interfaces
# it hands them (app/area_host.h): app/main_window.h is included by main() and by the files
# that define the window's own members, nowhere else in the program.
# Tests, their fuzz harnesses and benchmarks may include anything, but nothing the program
# is built from includes them: a white-box door such as tests/support/game_peer.h must not
# become part of the product.
cmake_policy(SET CMP0057 NEW)
set(layers text env export game betting analysis front session journal replay host tools|app)

set(inside_the_game text env export game betting analysis front)

set(broken "")
set(rank 0)
foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(rank_of_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# Whether the header `name`, included from `source`, is one of tests/: named from the root,
# from the source's own folder, or as the tests' own include path names it ("support/...")
# where no header of the program has that name.
function(names_a_test_header source name result)
  get_filename_component(folder ${source} DIRECTORY)
  get_filename_component(beside ${name} ABSOLUTE BASE_DIR ${folder})
  set(${result} FALSE PARENT_SCOPE)
  if(name MATCHES "^tests/" OR beside MATCHES "^${ROOT}/tests/" OR
     (EXISTS ${ROOT}/tests/${name} AND NOT EXISTS ${ROOT}/${name}))
    set(${result} TRUE PARENT_SCOPE)
  endif()
endfunction()

# Appends to `broken` each include of game/state.h or game/window.h in `source`, and each
# line that asks something for its state() or controls().
function(reads_inside_the_game source relative)
  file(STRINGS ${source} lines REGEX "(#[ \t]*include[ \t]*[\"<]game/(state|window)\\.h|[.>](state|controls)[ \t]*\\(\\))")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(APPEND broken "\n  ${relative}: ${line}: the game's variables and controls are read "
           "only up to front/; read it through GameView or SnapshotOf (front/game_snapshot.h)")
  endforeach()
  set(broken "${broken}" PARENT_SCOPE)
endfunction()

# Appends to `broken` an include of the main window's header by a part of the window.
function(reaches_the_window source relative)
  file(STRINGS ${source} includes REGEX "#[ \t]*include[ \t]*[\"<]app/main_window[.]h")
  file(STRINGS ${source} members REGEX "MainWindow::")
  if(includes AND NOT members AND NOT relative STREQUAL "app/main.cpp")
    string(APPEND broken "\n  ${relative}: #include \"app/main_window.h\": a part of the window "
           "sees it through the interface it is handed (app/area_host.h), not MainWindow")
  endif()
  set(broken "${broken}" PARENT_SCOPE)
endfunction()

foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
      file(RELATIVE_PATH relative ${ROOT} ${source})
      if(NOT folder IN_LIST inside_the_game)
        reads_inside_the_game(${source} ${relative})
      endif()
      if(folder STREQUAL "app")
        reaches_the_window(${source} ${relative})
      endif()
      file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
      foreach(line IN LISTS includes)
        string(STRIP "${line}" line)
        string(REGEX REPLACE "^[^\"<]*[\"<]([^\">]*)[\">].*$" "\\1" name "${line}")
        names_a_test_header(${source} "${name}" into_tests)
        if(into_tests)
          string(APPEND broken "\n  ${relative}: ${line}: only tests may include the tests' "
                 "headers; move what the program needs into its own folders")
          continue()
        endif()
        if(NOT name MATCHES "^([a-z_]+)/")
          continue()
        endif()
        set(target ${CMAKE_MATCH_1})
        if(NOT DEFINED rank_of_${target} OR target STREQUAL folder)
          continue()
        endif()
        if(rank_of_${target} GREATER_EQUAL rank_of_${folder})
          string(APPEND broken "\n  ${relative}: ${line}: ${folder}/ may not include ${target}/ "
                 "(layers, lowest first: text, env, export, game, betting, analysis, front, session, "
                 "journal, replay, host, then tools and app side by side)")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "Includes against the layers:${broken}")
endif()

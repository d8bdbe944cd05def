# Fails if a source includes a header of a folder above its own. The folders are layers,
# lowest first; a folder may include its own headers and those of the layers below it.
# tools/ lies below app/: the window replays an evening with the backtester's replay code (the
# what-if), and the backtester never includes the window. Tests and benchmarks may include
# anything.
set(layers env export game betting analysis session journal tools app)

set(broken "")
set(rank 0)
foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(rank_of_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
      file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([a-z_]+)/.*$" "\\1" target "${line}")
        if(NOT DEFINED rank_of_${target} OR target STREQUAL folder)
          continue()
        endif()
        if(rank_of_${target} GREATER_EQUAL rank_of_${folder})
          file(RELATIVE_PATH relative ${ROOT} ${source})
          string(STRIP "${line}" line)
          string(APPEND broken "\n  ${relative}: ${line}: ${folder}/ may not include ${target}/ "
                 "(layers, lowest first: env, export, game, betting, analysis, session, "
                 "journal, tools, app)")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "Includes against the layers:${broken}")
endif()

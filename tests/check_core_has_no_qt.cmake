# Fails if any engine source includes a Qt header, or any of the replay and the window's
# game (host/), which run before the toolkit starts and in the command-line tools.
file(GLOB_RECURSE sources
     ${ROOT}/text/*.h ${ROOT}/text/*.cpp ${ROOT}/env/*.h ${ROOT}/env/*.cpp ${ROOT}/game/*.h ${ROOT}/game/*.cpp
     ${ROOT}/analysis/*.h ${ROOT}/analysis/*.cpp ${ROOT}/betting/*.h ${ROOT}/betting/*.cpp
     ${ROOT}/export/*.h ${ROOT}/export/*.cpp ${ROOT}/front/*.h ${ROOT}/front/*.cpp
     ${ROOT}/session/*.h ${ROOT}/session/*.cpp
     ${ROOT}/journal/*.h ${ROOT}/journal/*.cpp
     ${ROOT}/replay/*.h ${ROOT}/replay/*.cpp ${ROOT}/host/*.h ${ROOT}/host/*.cpp)
foreach(source IN LISTS sources)
  file(STRINGS ${source} hits REGEX "#include[ \t]*[<\"]Q")
  if(hits)
    message(FATAL_ERROR "${source} includes Qt: ${hits}")
  endif()
endforeach()

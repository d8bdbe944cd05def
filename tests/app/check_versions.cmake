# Runs `vellaro --version` with no display at all and `vellaro-sim --version`, and checks
# that both print the project's version.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
foreach(program IN ITEMS VELLARO VELLARO_SIM)
  execute_process(COMMAND ${${program}} --version RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 20)
  get_filename_component(name ${${program}} NAME)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} --version exited with ${status}: ${err}")
  endif()
  if(NOT out STREQUAL "${name} ${VERSION}\n")
    message(FATAL_ERROR "${name} --version printed '${out}', not '${name} ${VERSION}'")
  endif()
endforeach()

# Runs SIM with ARGS (and INPUT on standard input, if given) and compares what it writes,
# byte for byte, with the expected files, and its exit status with EXPECTED_STATUS.
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${SIM} ${ARGS} ${input_option}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)

if(NOT status STREQUAL EXPECTED_STATUS)
  message(SEND_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\nstderr: ${err}")
endif()
file(READ ${EXPECTED_STDOUT} want_out)
if(NOT out STREQUAL want_out)
  message(SEND_ERROR "standard output differs from ${EXPECTED_STDOUT}:\n${out}")
endif()
set(want_err "")
if(EXPECTED_STDERR)
  file(READ ${EXPECTED_STDERR} want_err)
endif()
if(NOT err STREQUAL want_err)
  message(SEND_ERROR "standard error differs:\n${err}\nexpected:\n${want_err}")
endif()

# A style check run on two files of its own: it must refuse BAD, naming the file and saying
# EXPECT, and pass GOOD (so that the refusal is the check's, not a missing tool's or a
# broken script's).
#   cmake -DCHECK="command;args" -DBAD=file -DGOOD=file -DEXPECT=text -P catches.cmake
execute_process(COMMAND ${CHECK} ${BAD} RESULT_VARIABLE failed OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
if(NOT failed)
  message(FATAL_ERROR "The check passed ${BAD}:\n${out}")
endif()
get_filename_component(name ${BAD} NAME)
string(FIND "${out}" "${name}:" named)
string(FIND "${out}" "${EXPECT}" said)
if(named EQUAL -1 OR said EQUAL -1)
  message(FATAL_ERROR "The check refused ${BAD} without naming it and '${EXPECT}':\n${out}")
endif()
execute_process(COMMAND ${CHECK} ${GOOD} RESULT_VARIABLE failed OUTPUT_VARIABLE out
                ERROR_VARIABLE out)
if(failed)
  message(FATAL_ERROR "The check refused ${GOOD}, which is right:\n${out}")
endif()

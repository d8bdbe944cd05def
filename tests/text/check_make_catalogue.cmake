# Makes a catalogue from a small .po holding what the real ones may hold, and fails unless
# exactly the finished entries come out, written as C literals that keep their escapes.
# -DSCRIPT=<text/make_catalogue.cmake> -DWORK=<empty folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/sample.po [=[
# a comment
msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\n"

msgid "a; b [c] \"q\"\n"
msgstr "x; y [z] \"Q\"\n"

#, fuzzy
msgid "a guess"
msgstr "eine Vermutung"

msgid ""
"long "
"text {1}"
msgstr ""
"langer "
"Text {1} äö"

msgid "not yet"
msgstr ""

#~ msgid "gone"
#~ msgstr "weg"
]=])
execute_process(COMMAND ${CMAKE_COMMAND} -DPO=${WORK}/sample.po -DOUT=${WORK}/sample.inc -P ${SCRIPT}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_catalogue.cmake failed on a sound catalogue")
endif()
file(READ ${WORK}/sample.inc made)
set(expected [=[{"", ""},
{"a; b [c] \"q\"\n", "x; y [z] \"Q\"\n"},
{"" "long " "text {1}", "" "langer " "Text {1} äö"},
]=])
if(NOT made STREQUAL expected)
  message(FATAL_ERROR "the catalogue made:\n${made}\nexpected:\n${expected}")
endif()
# A form the programs do not use is refused rather than half read.
file(WRITE ${WORK}/plural.po "msgid \"one\"\nmsgid_plural \"many\"\nmsgstr[0] \"x\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DPO=${WORK}/plural.po -DOUT=${WORK}/plural.inc -P ${SCRIPT}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(status EQUAL 0)
  message(FATAL_ERROR "make_catalogue.cmake took plural forms it cannot compile")
endif()

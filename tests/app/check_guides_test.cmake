# The guides' check itself: it passes a guide made from today's English, and fails a guide
# made from another English and a shipped language without a guide.
# -DCHECK=<check_guides.cmake> -DENGLISH=<the build's guide.md> -DWORK=<empty folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(SHA256 ${ENGLISH} hash)
file(WRITE ${WORK}/guide_de.md "<!-- English: ${hash} -->\n## Das Spielerhandbuch\n")
string(REPEAT "0" 64 stale)
file(WRITE ${WORK}/guide_fr.md "<!-- English: ${stale} -->\n## Le guide du joueur\n")
# A hash line that is not the first line is no hash line.
file(WRITE ${WORK}/guide_es.md "## La guía del jugador\n<!-- English: ${hash} -->\n")

function(expect languages outcome)
  execute_process(COMMAND ${CMAKE_COMMAND} -DENGLISH=${ENGLISH} -DGUIDES=${WORK}
                          "-DSHIPPED=${languages}" -P ${CHECK}
                  RESULT_VARIABLE status ERROR_VARIABLE said)
  if(outcome STREQUAL "pass" AND NOT status EQUAL 0)
    message(FATAL_ERROR "the check refused ${languages}: ${said}")
  elseif(outcome STREQUAL "fail" AND status EQUAL 0)
    message(FATAL_ERROR "the check let ${languages} pass")
  endif()
endfunction()

expect("de" pass)
expect("" pass)
expect("de;fr" fail)
expect("es" fail)
expect("de;it" fail)

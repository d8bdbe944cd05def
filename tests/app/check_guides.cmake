# Fails when a shipped language's player's guide is missing, or was translated from another
# English guide than the one the build made: its first line must be
#   <!-- English: <sha256 of the English guide> -->
# -DENGLISH=<the build's guide.md> -DGUIDES=<folder of guide_<language>.md>
# -DSHIPPED=<languages, ;-separated>
file(SHA256 ${ENGLISH} english_hash)
set(expected "<!-- English: ${english_hash} -->")
set(faults "")
foreach(language ${SHIPPED})
  set(guide ${GUIDES}/guide_${language}.md)
  if(NOT EXISTS ${guide})
    string(APPEND faults "${language} is shipped but has no guide: ${guide}\n")
    continue()
  endif()
  file(STRINGS ${guide} first LIMIT_COUNT 1)
  if(NOT first STREQUAL expected)
    string(APPEND faults "guide_${language}.md was translated from another English guide "
                         "(the English changed since): its first line is \"${first}\", the "
                         "English guide's is \"${expected}\"\n")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()

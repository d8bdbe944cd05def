# Fails when a catalogue of translations/core is out of step with the Qt-free code's English
# text: every .po there must be what scripts/update-core-translations.sh makes of it now (no
# text of the code missing, none left over), and none may hold an entry untranslated or fuzzy.
# -DSOURCE=<source tree> -DWORK=<empty folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB catalogues ${SOURCE}/translations/core/*.po)
if(NOT catalogues)
  message(FATAL_ERROR "no catalogues in ${SOURCE}/translations/core")
endif()
file(COPY ${catalogues} DESTINATION ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TRANSLATIONS_DIR=${WORK}
                        sh ${SOURCE}/scripts/update-core-translations.sh
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "scripts/update-core-translations.sh failed: ${status}")
endif()
set(faults "")
foreach(catalogue ${catalogues})
  get_filename_component(name ${catalogue} NAME)
  file(READ ${catalogue} before)
  file(READ ${WORK}/${name} after)
  if(NOT before STREQUAL after)
    string(APPEND faults "translations/core/${name} is out of date: run scripts/update-core-translations.sh\n")
  endif()
  execute_process(COMMAND msgfmt --check --statistics -o /dev/null ${catalogue}
                  RESULT_VARIABLE status ERROR_VARIABLE statistics)
  if(NOT status EQUAL 0 OR statistics MATCHES "fuzzy|untranslated")
    string(STRIP "${statistics}" statistics)
    string(APPEND faults "translations/core/${name}: ${statistics}\n")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()

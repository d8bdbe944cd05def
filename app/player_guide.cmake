# The player's guide that F1 opens: the part of README.md between its markers, with the
# screenshots of docs/screenshots, compiled in as the resources under :/guide. CMake reads
# README.md again whenever it changes, so the window always shows what the README says.
set(readme ${PROJECT_SOURCE_DIR}/README.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme})
file(READ ${readme} text)
set(begin_marker "<!-- guide -->")
set(end_marker "<!-- /guide -->")
string(FIND "${text}" "${begin_marker}" begin)
string(FIND "${text}" "${end_marker}" end)
if(begin EQUAL -1 OR end LESS begin)
  message(FATAL_ERROR "README.md has no player's guide between ${begin_marker} and ${end_marker}")
endif()
string(LENGTH "${begin_marker}" skip)
math(EXPR begin "${begin} + ${skip}")
math(EXPR length "${end} - ${begin}")
string(SUBSTRING "${text}" ${begin} ${length} guide)
string(STRIP "${guide}" guide)
# Written only when it changed, so that an unrelated edit of the README rebuilds nothing.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/guide/guide.md CONTENT "${guide}\n" @ONLY)

file(GLOB screenshots CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/screenshots/*.png)
set(files "    <file alias=\"guide.md\">${CMAKE_CURRENT_BINARY_DIR}/guide/guide.md</file>\n")
# The guide's translations, beside it as guide_<language>.md: the window shows its own
# language's (with the English screenshots), the English where there is none.
file(GLOB translated_guides CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/guide/guide_*.md)
foreach(translated ${translated_guides})
  get_filename_component(name ${translated} NAME)
  string(APPEND files "    <file alias=\"${name}\">${translated}</file>\n")
endforeach()
foreach(picture ${screenshots})
  file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${picture})
  string(APPEND files "    <file alias=\"${name}\">${picture}</file>\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/player_guide.qrc
     CONTENT "<RCC>\n  <qresource prefix=\"/guide\">\n${files}  </qresource>\n</RCC>\n" @ONLY)

# Fails if a function anywhere in the tree runs over 60 lines, counted from the first
# line of its signature to its closing brace. A long function hides the steps it is made of;
# split it into named pieces instead of raising the limit.
#
# It reads the code as this code base writes it: a function is a declaration that starts at
# column 0 and whose line ends with "{" (on the signature's last line), and it closes with
# the first "}" at column 0. Lambdas, local classes and blocks inside it are part of it.
# Namespaces, classes, enums and tables at column 0 are not functions; the functions
# written inside a class body are not checked.

# Every folder of the tree is held to the limit, the tests and benchmarks as well as the
# program: all but the build folders (build*/, which hold generated code) and the hidden ones.
set(longest 60)

file(GLOB folders LIST_DIRECTORIES true RELATIVE ${ROOT} ${ROOT}/*)
list(FILTER folders EXCLUDE REGEX "^(build|\\.)")
set(sources "")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY ${ROOT}/${folder})
    file(GLOB_RECURSE found ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    list(APPEND sources ${found})
  endif()
endforeach()

set(broken "")
foreach(source IN LISTS sources)
  file(RELATIVE_PATH relative ${ROOT} ${source})
  file(READ ${source} text)
  # One list element a line: the list separator and the brackets, which would join lines,
  # become characters that mean nothing to the reading below.
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "<" text "${text}")
  string(REPLACE "]" ">" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  set(start 0)        # the first line of the declaration read so far, 0 for none
  set(header "")      # its text up to this line
  set(function_at 0)  # the first line of the function being read, 0 outside one
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(function_at)
      if(line MATCHES "^}")
        math(EXPR length "${number} - ${function_at} + 1")
        if(length GREATER longest)
          string(APPEND broken "\n  ${relative}:${function_at}: ${name}() runs ${length} lines")
        endif()
        set(function_at 0)
      endif()
      continue()
    endif()
    if(line MATCHES "^}")
      set(start 0)
      continue()
    endif()
    if(line MATCHES "^[A-Za-z_~:<]")
      set(start ${number})
      set(header "")
    endif()
    if(NOT start)
      continue()
    endif()
    string(APPEND header " ${line}")
    if(NOT line MATCHES "{[ \t]*(//.*)?$")
      continue()
    endif()
    # The declaration opens a body here: a function's, unless it is one of those that are not.
    if(NOT header MATCHES "^ (template[ \t]*<[^{]*>[ \t]*)?(inline[ \t]+)?(namespace|struct|class|union|enum|extern)([ \t{]|$)"
       AND NOT header MATCHES "=[ \t]*{[ \t]*(//.*)?$" AND header MATCHES "\\(")
      set(function_at ${start})
      string(REGEX MATCH "([A-Za-z_0-9:~]+)[ \t]*\\(" name "${header}")
      set(name "${CMAKE_MATCH_1}")
    endif()
    set(start 0)
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "Functions over ${longest} lines (split them into named steps):${broken}")
endif()

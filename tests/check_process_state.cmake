# Fails if a library of the engine holds a writable global other than those listed here:
# the session panel's plugin links its own copy of the engine, and sees the program's only
# through ProcessState (text/process_state.h), so a global that holds state the two copies
# must agree on belongs in there. Read from the objects' symbol tables (objdump -t): an
# object in .bss or .data, not in the read-only data a PIC build relocates (.data.rel.ro).
# -DOBJDUMP=<objdump> -DLIBS=<the engine's static libraries, ;-separated>
set(allowed
    # The state itself, and which state this copy reads.
    "vellaro::\\(anonymous namespace\\)::own_state$"
    "vellaro::\\(anonymous namespace\\)::shared_state$"
    # Constant once made, the same in every copy: the catalogues' look-up tables.
    "::Lookups\\(\\)::lookups$"
    # Constant: the text of a line a list does not hold.
    "::LineAt\\(vellaro::ListBox const&, long\\)::kEmpty$"
    # Constant: the built-in systems' rules, objects with a table of virtual functions,
    # which a PIC build keeps with the writable data.
    "vellaro::\\(anonymous namespace\\)::kA[1-6]$"
    # The libraries': <iostream>'s start-up, Boost.Math's names of its functions, the
    # compiler's references to the exceptions' types.
    "^std::__ioinit$" "^boost::" "DW\\.ref\\.")
set(found "")
foreach(lib IN LISTS LIBS)
  execute_process(COMMAND ${OBJDUMP} -t -C ${lib} OUTPUT_VARIABLE table RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} could not read ${lib}")
  endif()
  string(REPLACE "\n" ";" lines "${table}")
  foreach(line IN LISTS lines)
    # "<address> <flags> O <section>\t<size> <name>"
    if(NOT line MATCHES " O (\\.bss|\\.data)([.a-zA-Z0-9_]*)\t[0-9a-f]+ (.*)$")
      continue()
    endif()
    set(section "${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
    set(name "${CMAKE_MATCH_3}")
    if(section MATCHES "^\\.data\\.rel\\.ro" OR name MATCHES "^guard variable for ")
      continue()
    endif()
    set(listed FALSE)
    foreach(pattern IN LISTS allowed)
      if(name MATCHES "${pattern}")
        set(listed TRUE)
      endif()
    endforeach()
    if(NOT listed)
      get_filename_component(lib_name ${lib} NAME)
      string(APPEND found "\n  ${lib_name}: ${name} (${section})")
    endif()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "writable globals of the engine outside ProcessState (text/process_state.h), "
                      "which the session panel's plugin would hold a copy of:${found}")
endif()

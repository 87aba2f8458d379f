# Run by CPack on the files staged for the package: takes the compiler's notes out of the programs, as
# Debian's own packaging does (strip has already removed the symbols).
foreach(program ${CPACK_VANTREL_PROGRAMS})
  execute_process(COMMAND ${CPACK_VANTREL_STRIP} --remove-section=.comment --remove-section=.note
                          ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${program}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot strip ${program}")
  endif()
endforeach()

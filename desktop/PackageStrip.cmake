# Run by cpack on the staged files: the programs lose the compiler's notes, as
# Debian's own packages do (CPack strips the symbols only).
file(GLOB _programs "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
foreach(_program IN LISTS _programs)
  execute_process(COMMAND "${CPACK_BIORHYTHM_STRIP}" --remove-section=.comment --remove-section=.note
                          "${_program}"
                  RESULT_VARIABLE _status)
  if(NOT _status EQUAL 0)
    message(FATAL_ERROR "could not strip ${_program}")
  endif()
endforeach()

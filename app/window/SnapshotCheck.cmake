# Runs the snapshot tool once and checks its exit status and output.
# -DTOOL=<path> -DARGS=<a|b|...> -DSTATUS=<n> [-DSTDOUT_LINES=<a|b|...>] [-DSTDERR=<exact text>]
string(REPLACE "|" ";" ARGS "${ARGS}")
string(REPLACE "|" ";" STDOUT_LINES "${STDOUT_LINES}")
execute_process(COMMAND ${TOOL} ${ARGS}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
foreach(line IN LISTS STDOUT_LINES)
  string(FIND "${out}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "stdout lacks the line '${line}':\n${out}")
  endif()
endforeach()
if(DEFINED STDERR AND NOT err STREQUAL "${STDERR}\n")
  message(FATAL_ERROR "stderr is '${err}', expected '${STDERR}'")
endif()

# Read by cpack: the package's file dates are SOURCE_DATE_EPOCH, which is the
# last commit's date unless the caller sets it (outside a git checkout, the
# changelog's last entry).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_BIORHYTHM_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE _epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE _status)
  if(NOT _status EQUAL 0 OR NOT _epoch MATCHES "^[0-9]+$")
    file(STRINGS "${CPACK_BIORHYTHM_SOURCE_DIR}/desktop/changelog" _signed REGEX "^ -- ")
    list(GET _signed 0 _signed)
    string(REGEX REPLACE "^.*  " "" _date "${_signed}")
    execute_process(COMMAND date -d "${_date}" +%s OUTPUT_VARIABLE _epoch OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${_epoch}")
endif()

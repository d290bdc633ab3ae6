# Read by cpack. Every entry of the zip carries the time of the commit it was built from, so
# that two builds of one commit give the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND git log -1 --format=%ct
    WORKING_DIRECTORY ${CPACK_PINMOVER_SOURCE_DIR}
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status ERROR_QUIET)
  if(status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
  else()
    message(WARNING "No commit time (not a git checkout?): the zip's entries get today's time")
  endif()
endif()

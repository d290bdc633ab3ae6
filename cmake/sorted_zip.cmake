# Run by cpack after it made the zip. CPack adds the files in the order the file system lists
# them, which differs between machines; the zip is made again from the same files, sorted by
# name. Its times come from SOURCE_DATE_EPOCH, as cmake/package_time.cmake set it.
file(GLOB_RECURSE entries LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
     ${CPACK_TEMPORARY_DIRECTORY}/*)
list(SORT entries)
# A zip holds local times: read in UTC, they are the same in every time zone.
set(ENV{TZ} UTC)
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${entries}
    WORKING_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Could not write ${zip} sorted")
  endif()
endforeach()

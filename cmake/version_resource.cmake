# The project's version as Windows' version fields take it: always four numbers, the missing
# ones 0 (a manifest with fewer is refused, and the program would not start).
set(version_numbers)
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND version_numbers 0)
  else()
    list(APPEND version_numbers ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN version_numbers "." PINMOVER_FILE_VERSION)

# pinmover_add_version_resource(TARGET DESCRIPTION): the version resource that Windows shows in
# a program's properties.
function(pinmover_add_version_resource target description)
  string(REPLACE "." ", " version_numbers ${PINMOVER_FILE_VERSION})
  set(program ${target})
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()

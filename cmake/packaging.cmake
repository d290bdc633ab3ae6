# The Windows download: both programs, the Japanese guide as plain text, the licences and the
# example list, in one zip (the target package) whose bytes depend on the commit alone.
set(package_documents ${CMAKE_BINARY_DIR}/package-documents)
add_custom_command(
  OUTPUT ${package_documents}/README-ja.txt
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/plain-text-guide.sh
          ${PROJECT_SOURCE_DIR}/docs/guide.ja.md ${package_documents}/README-ja.txt
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide.ja.md ${PROJECT_SOURCE_DIR}/scripts/plain-text-guide.sh
  VERBATIM)
add_custom_command(
  OUTPUT ${package_documents}/THIRD-PARTY-NOTICES.txt
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.sh
          ${package_documents}/THIRD-PARTY-NOTICES.txt
  DEPENDS ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.sh
  VERBATIM)
add_custom_target(package_documents ALL
  DEPENDS ${package_documents}/README-ja.txt ${package_documents}/THIRD-PARTY-NOTICES.txt)

# The programs as shipped carry no symbol table (a third of their size).
target_link_options(pinmover PRIVATE -s)
target_link_options(pinmover-cli PRIVATE -s)

# Flat, with ASCII names: Explorer's "Extract All" makes the folder itself.
install(TARGETS pinmover pinmover-cli RUNTIME DESTINATION .)
install(FILES ${package_documents}/README-ja.txt ${package_documents}/THIRD-PARTY-NOTICES.txt
              examples/tour.pmf
        DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PINMOVER_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/package_time.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/sorted_zip.cmake)
include(CPack)

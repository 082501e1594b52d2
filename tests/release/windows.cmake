# The release files' own test (no Wine): what the zip, the shipped programs and the MSI hold.
# The MSI's installation under Wine is tests/e2e/install_e2e.cpp.
add_test(NAME release.release_files
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/release_files_test.sh ${BRISKO_DIST} ${BRISKO_RELEASE}
          ${PROJECT_VERSION} ${CMAKE_OBJDUMP})

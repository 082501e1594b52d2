# The release files in BRISKO_RELEASE: Brisko-<version>-win64.zip, the program's folder as it is,
# and Brisko-<version>-win64.msi, its installer (brisko.wxs, built by msi.cmake). Remade on every
# build: both take well under a second and must match the program's folder exactly.
set(BRISKO_RELEASE_NAME Brisko-${PROJECT_VERSION}-win64)
set(BRISKO_ZIP ${BRISKO_RELEASE}/${BRISKO_RELEASE_NAME}.zip)
set(BRISKO_MSI ${BRISKO_RELEASE}/${BRISKO_RELEASE_NAME}.msi)
add_custom_target(release ALL
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${BRISKO_ZIP} -P ${CMAKE_CURRENT_LIST_DIR}/zip.cmake
  COMMAND ${CMAKE_COMMAND} -DDIST=${BRISKO_DIST} -DVERSION=${PROJECT_VERSION}
          -DOUTPUT=${BRISKO_MSI} -P ${CMAKE_CURRENT_LIST_DIR}/msi.cmake
  WORKING_DIRECTORY ${BRISKO_DIST}
  COMMENT "Packing ${BRISKO_RELEASE_NAME}.zip and .msi"
  VERBATIM)
add_dependencies(release Brisko deltree media extdb)

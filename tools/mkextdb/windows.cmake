# The file-type database is committed data (made by hand with mkextdb.py); the build only
# places it beside Brisko.exe, so builds stay reproducible and need no Python.
set(BRISKO_EXTDB_FILES
  ${CMAKE_SOURCE_DIR}/filetypes/data/ext11.vxl
  ${CMAKE_SOURCE_DIR}/filetypes/data/ext21.vxl
  ${CMAKE_SOURCE_DIR}/filetypes/data/ext31.vxl)
set(BRISKO_EXTDB_OUTPUTS)
foreach(f ${BRISKO_EXTDB_FILES})
  get_filename_component(n ${f} NAME)
  add_custom_command(OUTPUT ${BRISKO_DIST}/${n}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${BRISKO_DIST}/${n}
    DEPENDS ${f} VERBATIM)
  list(APPEND BRISKO_EXTDB_OUTPUTS ${BRISKO_DIST}/${n})
endforeach()
add_custom_target(extdb ALL DEPENDS ${BRISKO_EXTDB_OUTPUTS})
# It ships beside Brisko.exe, so whatever needs Brisko.exe finds it there too.
add_dependencies(Brisko extdb)

# End-to-end tests: each tests/e2e/*_e2e.cpp is a Windows program that drives the real windows
# in a fresh prefix (tests/e2e/<name>.setup.sh prepares it), one at a time since they share the
# screen. Screenshots land in BRISKO_SCREENS as BMP files and become PNG files at the end.
if(NOT BRISKO_SCREENS)
  set(BRISKO_SCREENS ${CMAKE_BINARY_DIR}/screens)
endif()
file(MAKE_DIRECTORY ${BRISKO_SCREENS})

file(GLOB BRISKO_E2E_DRIVER CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
add_library(e2e_driver STATIC ${BRISKO_E2E_DRIVER})
target_link_libraries(e2e_driver PUBLIC brisko_win32)

file(GLOB BRISKO_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_e2e.cpp)
foreach(src ${BRISKO_E2E_TESTS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE e2e_driver brisko_views brisko_memory wine_test_main)
  add_dependencies(${name} Brisko)
  add_test(NAME e2e.${name} COMMAND ${name})
  set_tests_properties(e2e.${name} PROPERTIES TIMEOUT 300 RESOURCE_LOCK screen FIXTURES_REQUIRED screens
    ENVIRONMENT "BRISKO_DIST=${BRISKO_DIST};BRISKO_SCREENS=${BRISKO_SCREENS}")
endforeach()

# The finder's file walks a tree of 15,625 folders, which its set-up makes, before the lookup.
set_tests_properties(e2e.finder_e2e PROPERTIES TIMEOUT 600)

# The installer's test installs the release's MSI and one of the next version, which its set-up
# makes: it needs the release files, and the version numbers.
math(EXPR next_patch "${PROJECT_VERSION_PATCH} + 1")
add_dependencies(install_e2e release)
set_property(TEST e2e.install_e2e APPEND PROPERTY ENVIRONMENT
  "BRISKO_RELEASE=${BRISKO_RELEASE}" "BRISKO_VERSION=${PROJECT_VERSION}"
  "BRISKO_NEXT_VERSION=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${next_patch}")

add_test(NAME e2e.screenshots_to_png
  COMMAND sh ${CMAKE_SOURCE_DIR}/tests/e2e/screens-to-png.sh ${BRISKO_SCREENS})
set_tests_properties(e2e.screenshots_to_png PROPERTIES FIXTURES_CLEANUP screens)

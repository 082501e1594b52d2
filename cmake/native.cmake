# Host build: native tests, fuzz target, and the generators that run at build time.
find_package(GTest REQUIRED)
file(GLOB BRISKO_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${BRISKO_NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE brisko_app brisko_memory GTest::gtest_main)
# The layering test reads the tree itself.
target_compile_definitions(native_tests PRIVATE BRISKO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(native_tests DISCOVERY_TIMEOUT 60)

file(GLOB BRISKO_HOST_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/host.cmake)
foreach(tool ${BRISKO_HOST_TOOLS})
  include(${tool})
endforeach()

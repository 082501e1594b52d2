# The media generator, runnable on the build machine.
add_executable(mkmedia ${CMAKE_CURRENT_LIST_DIR}/mkmedia.cpp)

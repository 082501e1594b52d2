# Benchmarks: each bench/*_bench.cpp is a Windows program of its own. They are built with the
# Windows tree so they keep compiling, and run by `make bench`, never by the tests.
file(GLOB BRISKO_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
foreach(src ${BRISKO_BENCHES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE brisko_views brisko_memory)
endforeach()

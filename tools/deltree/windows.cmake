# deltree.exe beside Brisko.exe: the tree removal the clean run hands folders to.
add_executable(deltree ${CMAKE_CURRENT_LIST_DIR}/deltree.cpp
  ${CMAKE_SOURCE_DIR}/platform/win32/win32_held_path.cpp)
# Shares the link rule (platform/links.h) and the holding of a path's folders
# (platform/win32/win32_held_path.*), and nothing else of the program.
target_include_directories(deltree PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(deltree PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_options(deltree PRIVATE -municode)
set_target_properties(deltree PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRISKO_DIST})
brisko_shipped_program(deltree "Brisko's tree removal for the clean run")
add_dependencies(Brisko deltree)
if(TARGET cleaner_deltree_test)
  add_dependencies(cleaner_deltree_test deltree)
endif()

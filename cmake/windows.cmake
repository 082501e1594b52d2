# Windows build: Brisko.exe, the programs shipped beside it, and the tests that run under Wine.
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static")
# Line tables and function names (no local variables), for the debug files kept beside the
# release; the shipped programs are stripped.
add_compile_options(-g1)
if(NOT BRISKO_DIST)
  set(BRISKO_DIST ${CMAKE_BINARY_DIR}/dist)
endif()
# The release files (zip, MSI) and the shipped programs' debug files, beside the program's folder.
if(NOT BRISKO_RELEASE)
  get_filename_component(BRISKO_RELEASE ${BRISKO_DIST}/../release ABSOLUTE)
endif()
file(MAKE_DIRECTORY ${BRISKO_DIST} ${BRISKO_RELEASE})

# A program that ships in the program's folder: version information from the project's version,
# and stripped after linking, its debug information moved to BRISKO_RELEASE/<file>.debug, which
# the program names (a debugger finds it there).
function(brisko_shipped_program target description)
  set(BRISKO_VERSION_FILE ${target}.exe)
  set(BRISKO_VERSION_DESCRIPTION "${description}")
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_BINARY_DIR}/version/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/version/${target}.rc)
  set(debug ${BRISKO_RELEASE}/${target}.exe.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${debug}
    COMMAND ${CMAKE_OBJCOPY} --strip-all $<TARGET_FILE:${target}>
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${debug} $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

# The platform services.
file(GLOB BRISKO_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp)
add_library(brisko_win32 STATIC ${BRISKO_WIN32_SOURCES})
target_link_libraries(brisko_win32 PUBLIC brisko_platform ntdll comctl32 shlwapi shell32 winmm uxtheme gdi32 user32 advapi32 ole32)
target_compile_definitions(brisko_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# The views: the binding of the window models to real windows, and the skins.
file(GLOB BRISKO_VIEWS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/views/*.cpp)
list(FILTER BRISKO_VIEWS_SOURCES EXCLUDE REGEX "winmain\\.cpp$")
add_library(brisko_views STATIC ${BRISKO_VIEWS_SOURCES})
target_link_libraries(brisko_views PUBLIC brisko_app brisko_win32)

add_executable(Brisko WIN32 ${CMAKE_SOURCE_DIR}/views/winmain.cpp ${CMAKE_SOURCE_DIR}/views/brisko.rc)
target_link_libraries(Brisko PRIVATE brisko_views)
target_link_options(Brisko PRIVATE -municode -mwindows)
set_target_properties(Brisko PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRISKO_DIST})
brisko_shipped_program(Brisko "Brisko - cleans usage traces and junk files")

# GoogleTest from Debian's sources, built with the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Each tests/wine/*_test.cpp is a test program of its own, run through the Wine wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/wine/run-in-prefix.sh)
add_library(wine_test_main STATIC ${CMAKE_SOURCE_DIR}/tests/wine/unbuffered_main.cpp)
target_link_libraries(wine_test_main PUBLIC gtest)
file(GLOB BRISKO_WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
foreach(src ${BRISKO_WINE_TESTS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE brisko_views brisko_memory wine_test_main)
  add_test(NAME wine.${name} COMMAND ${name})
  set_tests_properties(wine.${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "BRISKO_DIST=${BRISKO_DIST}")
  # A test that shows real windows (its own, or the shell's question before a deletion) takes
  # turns on the screen with the end-to-end tests, whose screenshots would show them otherwise.
  file(STRINGS ${src} shows_windows REGEX "#include \"views/|Confirm file deletion")
  if(shows_windows)
    set_tests_properties(wine.${name} PROPERTIES RESOURCE_LOCK screen)
  endif()
endforeach()

# Tools: programs shipped beside Brisko.exe, test drivers, benchmarks.
file(GLOB BRISKO_WIN_TOOLS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/windows.cmake ${CMAKE_SOURCE_DIR}/tests/e2e/windows.cmake ${CMAKE_SOURCE_DIR}/bench/windows.cmake)
# Last, since it packs what the others make: the release zip and MSI, and the test of what they
# hold.
list(APPEND BRISKO_WIN_TOOLS ${CMAKE_SOURCE_DIR}/packaging/windows.cmake ${CMAKE_SOURCE_DIR}/tests/release/windows.cmake)
foreach(tool ${BRISKO_WIN_TOOLS})
  include(${tool})
endforeach()

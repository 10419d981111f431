# A Windows build: velmira.exe, its Win32 tests (run under Wine) and the Windows tools, 64-bit (the default)
# or 32-bit by the toolchain file. What differs between the two widths is settled here: which Wine runs the
# programs (kept in the cache, where scripts/wine.sh reads it), and the file name of an image plug-in (a
# 64-bit program loads only 64-bit plug-ins, "*.sph").
enable_language(RC)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELMIRA_WINEARCH win64 CACHE INTERNAL "the Wine that runs this build's programs")
  set(VELMIRA_PLUGIN_SUFFIX .sph)
else()
  set(VELMIRA_WINEARCH win32 CACHE INTERNAL "the Wine that runs this build's programs")
  set(VELMIRA_PLUGIN_SUFFIX .spi)
endif()
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

configure_file(cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

set(win32_sources)
foreach(subsystem IN LISTS VELMIRA_SUBSYSTEMS)
  file(GLOB found CONFIGURE_DEPENDS ${subsystem}/win32/*.cpp)
  list(APPEND win32_sources ${found})
endforeach()
list(FILTER win32_sources EXCLUDE REGEX "/WinMain\\.cpp$")

add_library(velmira_win32 STATIC ${win32_sources})
target_link_libraries(velmira_win32 PUBLIC velmira_core winmm gdi32 comdlg32 user32 shell32 advapi32)

add_executable(velmira WIN32 app/win32/WinMain.cpp resources/velmira.rc)
target_link_libraries(velmira PRIVATE velmira_win32)
target_link_options(velmira PRIVATE -municode)

# GoogleTest from Debian's source package, built with the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Debian's GoogleTest is not ours to mend: its warnings stay warnings.
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)

set(win32_test_sources)
foreach(subsystem IN LISTS VELMIRA_SUBSYSTEMS)
  file(GLOB found CONFIGURE_DEPENDS tests/${subsystem}/win32/*.cpp)
  list(APPEND win32_test_sources ${found})
endforeach()
# The window tests create the real main window, which needs the menu and the icon.
add_executable(velmira_win32_tests ${win32_test_sources} ${test_support_sources} resources/velmira.rc)
target_include_directories(velmira_win32_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(velmira_win32_tests PRIVATE velmira_win32 gtest gtest_main)
add_dependencies(velmira_win32_tests velmira)  # the start-up tests run the real program
# The golden files, read through Wine's drive Z: (the whole Linux file system).
target_compile_definitions(velmira_win32_tests PRIVATE VELMIRA_GOLDEN_DIR="Z:${CMAKE_SOURCE_DIR}/tests/golden")
gtest_discover_tests(velmira_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)

add_subdirectory(images/wicplugin)
add_subdirectory(tests/images/win32/plugins)
add_subdirectory(tools)
add_subdirectory(resources)

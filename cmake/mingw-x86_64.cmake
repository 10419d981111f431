# Cross-builds the 64-bit Windows program, the one every script runs.
set(mingw_processor x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

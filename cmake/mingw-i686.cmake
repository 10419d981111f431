# Cross-builds the 32-bit Windows program, for users of 32-bit image plug-ins.
set(mingw_processor i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# Cross-compiling toolchain for 32-bit Windows targets, for the hosts that
# load only 32-bit controls (cmake/mingw-w64-x86_64.cmake: 64-bit ones).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Cross-compiling toolchain for 64-bit Windows targets
# (cmake/mingw-w64-i686.cmake builds the 32-bit ones).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Cross-build for 64-bit Windows with mingw-w64: the test world for machines whose kernel runs
# no 32-bit code. Same sources and flags as the i686 tree; nothing built here is shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)

# 64-bit Windows: the same sources, for test machines that cannot run 32-bit code (see README).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PELORUS_MINGW_TRIPLE x86_64-w64-mingw32)
set(PELORUS_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# MinGW-w64 cross build for 64-bit Windows (the build that runs under Wine here).
set(ORDIVO_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

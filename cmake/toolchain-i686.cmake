# MinGW-w64 cross build for 32-bit Windows (the build the product ships as).
set(ORDIVO_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# Test helpers: shared by native and Wine tests, and the native-only string source.
set(ORDIVO_TEST_SUPPORT
  ${CMAKE_CURRENT_LIST_DIR}/PngWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RcStringTable.cpp
)
set(ORDIVO_NATIVE_SUPPORT
  ${CMAKE_CURRENT_LIST_DIR}/NativeResString.cpp
)

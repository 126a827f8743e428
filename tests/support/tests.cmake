# Test helpers: the string table reader for native and Wine tests, the native string
# source, and the Windows test kit of the Wine and end-to-end programs.
set(ORDIVO_TEST_SUPPORT ${CMAKE_CURRENT_LIST_DIR}/RcStringTable.cpp)
set(ORDIVO_NATIVE_SUPPORT ${CMAKE_CURRENT_LIST_DIR}/NativeResString.cpp)
set(ORDIVO_WIN_SUPPORT ${CMAKE_CURRENT_LIST_DIR}/WinKit.cpp)

list(APPEND ORDIVO_WIN_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/FrameworkTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResourceLibraryTest.cpp
)

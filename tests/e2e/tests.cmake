list(APPEND ORDIVO_E2E_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/Driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/PngWriter.cpp
)

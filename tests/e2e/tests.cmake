list(APPEND ORDIVO_E2E_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/FileCommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InteropTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReminderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
)

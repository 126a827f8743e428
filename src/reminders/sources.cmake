# Reminders: the warning plan and tick (portable), the alarm sounds dialog and the Win32 side.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/VorwarnPlaner.cpp
)

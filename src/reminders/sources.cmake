# Reminders: the warning plan and tick (portable), the alarm sounds dialog and the Win32 side.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/VorwarnPlaner.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ClsAlarmDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowReminders.cpp
)

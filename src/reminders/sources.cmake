# Reminders: the warning plan and tick (portable) and the alarm sounds dialog.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/VorwarnPlaner.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ClsAlarmDlg.cpp
)

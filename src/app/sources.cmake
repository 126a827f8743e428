list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsApplication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsDecoratedFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsMainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsMainWindowReminders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsStartWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InteropCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TTipControlBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TTipStatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TToolTip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32Host.cpp
)
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TipRules.cpp
)
list(APPEND ORDIVO_DATA_FILES ${CMAKE_SOURCE_DIR}/data/ordivo-hilfe.html)

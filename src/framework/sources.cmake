list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecoratedFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportCaught.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Gdi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Window.cpp
)
# Canvas of the calendar painters on GDI contexts.
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GdiCanvas.cpp
)

list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AppointmentLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayCell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayHeading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HitGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OverflowMarker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OverviewPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SelectionFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewLayout.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ClsCalendarWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsSelectDateWindow.cpp
)
# Mouse, keyboard and in-place editing of the calendar window.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ArrowKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ContextMenuRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DragDrop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HitTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InPlaceCommit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InPlaceText.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ClsEditTerm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ContextMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsCalendarWindowInput.cpp
)

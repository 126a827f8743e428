list(APPEND ORDIVO_NATIVE_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/ViewLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayViewTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayCellTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarPaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarHitTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ContextMenuRulesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DragDropTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InPlaceEditTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NavigationTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatePickerTest.cpp
)
list(APPEND ORDIVO_WIN_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/GdiCanvasWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarScreenshotWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarInputWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarDropWinTest.cpp
)
list(APPEND ORDIVO_E2E_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/CalendarInputE2eTest.cpp
)

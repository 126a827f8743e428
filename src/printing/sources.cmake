# Printing: the print dialog, the printer and the printed pages.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CalendarPages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintOptions.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ClsDruckenDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsPrinter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsPrintout.cpp
)

# iCalendar and vCard import and export (portable; the shell's commands call it).
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Zeichensatz.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Inhaltszeile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ICalWert.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Wiederholungsregel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Zeitzone.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ICalExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportFrage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ICalImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VCard.cpp
)

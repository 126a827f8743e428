# The open file: appointments, addresses, name, password and state, read and written whole.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Dokument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DokumentLaden.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KalenderDatei.cpp
)

list(APPEND ORDIVO_NATIVE_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/ZeitpunktTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatumTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsListeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UeberschneidungTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JahresKopienTest.cpp
)

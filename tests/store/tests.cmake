list(APPEND ORDIVO_NATIVE_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/ZeitpunktTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatumTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsListeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UeberschneidungTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JahresKopienTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JahresKopienMischerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FakePasswortDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListeSpeichernTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbaseTabelleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RundreiseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchreibFehlerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SammelAktionenTest.cpp
)
list(APPEND ORDIVO_WIN_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/DateiErsetzerWinTest.cpp
)


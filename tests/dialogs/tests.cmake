list(APPEND ORDIVO_NATIVE_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/ListenDialogRegelnTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SerieTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminAktionenTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminFelderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminListeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorwarnHinweisTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DarstellungRegelnTest.cpp
)
list(APPEND ORDIVO_WIN_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/ListenDialogeWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminDlgWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasswortDlgWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorwarnDlgWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SammelDialogeWinTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DarstellungDlgWinTest.cpp
)

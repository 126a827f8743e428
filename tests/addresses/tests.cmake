list(APPEND ORDIVO_NATIVE_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/ClsAdrListeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdrDateiTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LstrcmpNachbildung.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NativerSortVergleich.cpp
)
list(APPEND ORDIVO_WIN_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/LstrcmpNachbildung.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SortVergleichWinTest.cpp
)

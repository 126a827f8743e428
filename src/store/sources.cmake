list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Zeitpunkt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatumText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Termin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsListe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Ueberschneidung.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JahresKopien.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JahresKopienMischer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Oem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateiLeser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateiSchreiber.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbaseTabelle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminTabelle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListeSpeichern.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Passwort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordRef.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Suche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Verschieben.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SerienEntfernen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlteTermine.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DateiErsetzerWin32.cpp
)

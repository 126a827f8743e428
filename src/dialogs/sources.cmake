# Dialogs: portable logic (fields, series, list lines, enable rules, address and holiday rules, time
# grid, appearance rules) and the Win32 dialogs (appointment, password, search, move, remove, delete
# old, address book, holidays, time grid, go-to, colours, font heights, preferences).
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AdressRegeln.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DarstellungRegeln.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FeiertagFelder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgrammVerweis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Serie.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagesRaster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminAktionen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminFelder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminFreigaben.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminListe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZeitFeld.cpp
)
# Warning notice, warning time and remark: portable rules and the Win32 dialogs.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Vorlauf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorwarnHinweis.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ClsAdressenDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsAlteEntfDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsAnmerkDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsCheckBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsEditFeiertageDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsEntfernenDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsExampleWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsFarbenDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsGotoDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsListEditDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsMiniEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsNeuesPasswortDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsPasswortDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsSchriftHoeheDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsSuchenDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsTagesDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsTerminDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsVerschiebenDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsVorgabenDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsVorwarnDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsVorwarnZeitDlg.cpp
)

list(APPEND ORDIVO_NATIVE_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/ZeitpunktTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatumTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClsListeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UeberschneidungTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JahresKopienTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FakePasswortDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListeSpeichernTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbfReadTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbaseTabelleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RundreiseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchreibFehlerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzKorpusTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SammelAktionenTest.cpp
)
list(APPEND ORDIVO_WIN_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/DateiErsetzerWinTest.cpp
)

if(NOT WIN32)
  # libFuzzer target for the file reader (needs clang), built from the store's portable files
  # and the few others the reader uses:
  #   cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
  #   cmake --build build/fuzz --target ordivo_laden_fuzz
  #   build/fuzz/bin/ordivo_laden_fuzz -max_total_time=600 <new corpus dir> tests/store/fuzz/korpus
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(ORDIVO_FUZZ_STORE ${ORDIVO_PORTABLE_SOURCES})
    list(FILTER ORDIVO_FUZZ_STORE INCLUDE REGEX "/src/store/")
    set(ORDIVO_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -g -O1)
    add_executable(ordivo_laden_fuzz EXCLUDE_FROM_ALL
      ${CMAKE_CURRENT_LIST_DIR}/fuzz/LadenFuzzer.cpp
      ${ORDIVO_FUZZ_STORE}
      ${CMAKE_SOURCE_DIR}/src/core/Host.cpp
      ${CMAKE_SOURCE_DIR}/src/core/FileNames.cpp
      ${CMAKE_SOURCE_DIR}/src/core/TextFormat.cpp
      ${CMAKE_SOURCE_DIR}/src/document/KalenderDatei.cpp
      ${CMAKE_SOURCE_DIR}/src/addresses/ClsAdrListe.cpp
      ${CMAKE_SOURCE_DIR}/src/addresses/AdrDatei.cpp
      ${CMAKE_SOURCE_DIR}/src/addresses/LstrcmpNachbildung.cpp
      ${CMAKE_SOURCE_DIR}/src/addresses/SortVergleich.cpp
      ${CMAKE_SOURCE_DIR}/tests/support/NativeResString.cpp
      ${CMAKE_SOURCE_DIR}/tests/support/RcStringTable.cpp)
    target_include_directories(ordivo_laden_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(ordivo_laden_fuzz PRIVATE ORDIVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    target_compile_options(ordivo_laden_fuzz PRIVATE ${ORDIVO_FUZZ_FLAGS})
    target_link_options(ordivo_laden_fuzz PRIVATE ${ORDIVO_FUZZ_FLAGS})
  endif()
endif()

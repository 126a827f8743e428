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
  ${CMAKE_CURRENT_LIST_DIR}/ListeLadenTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchreibFehlerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzKorpusTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateiLeistungTest.cpp
)
list(APPEND ORDIVO_WIN_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/PasswortDlgWinTest.cpp
)

# Store benchmarks (Google Benchmark, native, optimised, not part of the test run):
#   cmake --build <dir> --target ordivo_store_bench && <dir>/bin/ordivo_store_bench
if(NOT WIN32)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    add_executable(ordivo_store_bench EXCLUDE_FROM_ALL
      ${CMAKE_CURRENT_LIST_DIR}/StoreBench.cpp
      ${CMAKE_SOURCE_DIR}/src/app/Host.cpp
      ${CMAKE_SOURCE_DIR}/src/store/Zeitpunkt.cpp
      ${CMAKE_SOURCE_DIR}/src/store/DatumText.cpp
      ${CMAKE_SOURCE_DIR}/src/store/TextFormat.cpp
      ${CMAKE_SOURCE_DIR}/src/store/Termin.cpp
      ${CMAKE_SOURCE_DIR}/src/store/ClsListe.cpp
      ${CMAKE_SOURCE_DIR}/src/store/Ueberschneidung.cpp
      ${CMAKE_SOURCE_DIR}/src/store/JahresKopien.cpp
      ${CMAKE_SOURCE_DIR}/tests/support/NativeResString.cpp
      ${CMAKE_SOURCE_DIR}/tests/support/RcStringTable.cpp)
    target_include_directories(ordivo_store_bench PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(ordivo_store_bench PRIVATE NDEBUG ORDIVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    target_compile_options(ordivo_store_bench PRIVATE -O2)
    target_link_libraries(ordivo_store_bench PRIVATE benchmark::benchmark)
  endif()

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
      ${CMAKE_SOURCE_DIR}/src/app/Host.cpp
      ${CMAKE_SOURCE_DIR}/src/app/FileNames.cpp
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

# Benchmarks (Google Benchmark, native, optimised, not part of the test run):
#   cmake --build <dir> --target ordivo_store_bench && <dir>/bin/ordivo_store_bench
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(ordivo_store_bench EXCLUDE_FROM_ALL
    ${CMAKE_CURRENT_LIST_DIR}/StoreBench.cpp
    ${CMAKE_SOURCE_DIR}/src/core/Host.cpp
    ${CMAKE_SOURCE_DIR}/src/store/Zeitpunkt.cpp
    ${CMAKE_SOURCE_DIR}/src/store/DatumText.cpp
    ${CMAKE_SOURCE_DIR}/src/core/TextFormat.cpp
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

# Fuzz targets: their bodies run every corpus in the native suite; with clang, one libFuzzer
# program per target (ordivo_fuzz_<name>, built by `make fuzz` into build/fuzz).
set(ORDIVO_FUZZ_BODIES
  ${CMAKE_CURRENT_LIST_DIR}/FuzzZiele.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzHilfe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZielDateien.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZielTexte.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZielStruktur.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZielInterop.cpp)
list(APPEND ORDIVO_NATIVE_TESTS ${ORDIVO_FUZZ_BODIES} ${CMAKE_CURRENT_LIST_DIR}/FuzzKorpusTest.cpp)

if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(ORDIVO_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -g -O1)
  add_library(ordivo_fuzz_bodies STATIC EXCLUDE_FROM_ALL ${ORDIVO_PORTABLE_SOURCES} ${ORDIVO_FUZZ_BODIES}
    ${CMAKE_SOURCE_DIR}/tests/support/NativeResString.cpp ${CMAKE_SOURCE_DIR}/tests/support/RcStringTable.cpp)
  target_include_directories(ordivo_fuzz_bodies PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(ordivo_fuzz_bodies PRIVATE ORDIVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_compile_options(ordivo_fuzz_bodies PRIVATE ${ORDIVO_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
  add_custom_target(ordivo_fuzz)
  foreach(ziel termindatei adressen feiertage konfiguration editorzeile datum dialogfelder terminfelder struktur import)
    add_executable(ordivo_fuzz_${ziel} EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/FuzzMain.cpp)
    target_compile_definitions(ordivo_fuzz_${ziel} PRIVATE ORDIVO_FUZZ_ZIEL="${ziel}")
    target_compile_options(ordivo_fuzz_${ziel} PRIVATE ${ORDIVO_FUZZ_FLAGS})
    target_link_libraries(ordivo_fuzz_${ziel} PRIVATE ordivo_fuzz_bodies)
    target_link_options(ordivo_fuzz_${ziel} PRIVATE ${ORDIVO_FUZZ_FLAGS} -fsanitize=fuzzer)
    add_dependencies(ordivo_fuzz ordivo_fuzz_${ziel})
  endforeach()
endif()

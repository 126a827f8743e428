# Native build: portable core + unit tests under AddressSanitizer and UBSan.
find_package(GTest REQUIRED)
set(ORDIVO_SANITIZE -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=undefined,float-cast-overflow)
target_compile_options(ordivo_core PRIVATE ${ORDIVO_SANITIZE} -g)

add_executable(ordivo_tests ${ORDIVO_NATIVE_TESTS} ${ORDIVO_TEST_SUPPORT} ${ORDIVO_NATIVE_SUPPORT})
target_compile_options(ordivo_tests PRIVATE ${ORDIVO_WARNINGS} ${ORDIVO_SANITIZE} -g)
target_compile_definitions(ordivo_tests PRIVATE ORDIVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_include_directories(ordivo_tests PRIVATE tests)
target_link_libraries(ordivo_tests PRIVATE ordivo_core GTest::gtest GTest::gtest_main ${ORDIVO_SANITIZE})

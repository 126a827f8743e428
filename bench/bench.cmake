# `make bench`: the performance figures of a large calendar, optimised, without sanitizers,
# not part of the test run. libical (the peer it is compared with) is linked only here.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(LIBICAL QUIET libical)
endif()
add_executable(ordivo_bench EXCLUDE_FROM_ALL
  ${CMAKE_CURRENT_LIST_DIR}/OrdivoBench.cpp
  ${ORDIVO_PORTABLE_SOURCES}
  ${CMAKE_SOURCE_DIR}/tests/support/NativeResString.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/RcStringTable.cpp)
target_include_directories(ordivo_bench PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(ordivo_bench PRIVATE NDEBUG ORDIVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_compile_options(ordivo_bench PRIVATE -O2)
if(LIBICAL_FOUND)
  target_compile_definitions(ordivo_bench PRIVATE ORDIVO_LIBICAL)
  target_include_directories(ordivo_bench PRIVATE ${LIBICAL_INCLUDE_DIRS})
  target_link_libraries(ordivo_bench PRIVATE ${LIBICAL_LIBRARIES})
endif()

# Windows build (MinGW-w64): ordivo.exe, the resource library ORDIVO.DLL, ORDIVO.PHD and the Wine tests.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
set(ORDIVO_STATIC -static -static-libgcc -static-libstdc++)
set(ORDIVO_WIN32_LIBS user32 gdi32 comdlg32 comctl32 winmm advapi32 shell32 kernel32)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)

add_library(ordivo_win STATIC ${ORDIVO_WIN32_SOURCES})
target_include_directories(ordivo_win PUBLIC src)
target_compile_options(ordivo_win PRIVATE ${ORDIVO_WARNINGS})
target_link_libraries(ordivo_win PUBLIC ordivo_core ${ORDIVO_WIN32_LIBS})
# The core calls back into the platform side (resource strings, dialogs, sort order):
# a cycle of static libraries, which CMake resolves by repeating them on the link line.
target_link_libraries(ordivo_core PUBLIC ordivo_win)

add_executable(ordivo WIN32 src/app/WinMain.cpp resources/app.rc)
target_include_directories(ordivo PRIVATE resources src)
target_compile_options(ordivo PRIVATE ${ORDIVO_WARNINGS})
target_link_libraries(ordivo PRIVATE ordivo_win ${ORDIVO_STATIC})
set_target_properties(ordivo PROPERTIES OUTPUT_NAME ordivo)

# Resource-only library: no code, no entry point.
add_library(ordivo_dll SHARED resources/ordivo.rc)
target_include_directories(ordivo_dll PRIVATE resources src)
set_target_properties(ordivo_dll PROPERTIES OUTPUT_NAME ORDIVO PREFIX "" SUFFIX ".DLL" LINKER_LANGUAGE C)
target_link_options(ordivo_dll PRIVATE -nostdlib -Wl,--entry=0)
set_property(TARGET ordivo_dll PROPERTY LINK_LIBRARIES "")
set_target_properties(ordivo_dll PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
file(GLOB ORDIVO_RC_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc ${CMAKE_SOURCE_DIR}/resources/*.h
  ${CMAKE_SOURCE_DIR}/src/core/ResourceIds.h ${CMAKE_SOURCE_DIR}/src/reminders/ReminderIds.h)
set_source_files_properties(resources/ordivo.rc PROPERTIES OBJECT_DEPENDS "${ORDIVO_RC_PARTS}")
file(GLOB ORDIVO_APP_RES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/app/*)
set_source_files_properties(resources/app.rc PROPERTIES OBJECT_DEPENDS "${ORDIVO_APP_RES}")

# Data files beside the exe.
foreach(f IN LISTS ORDIVO_DATA_FILES)
  get_filename_component(name ${f} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/bin/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${CMAKE_BINARY_DIR}/bin/${name} DEPENDS ${f})
  list(APPEND ORDIVO_DATA_OUTPUTS ${CMAKE_BINARY_DIR}/bin/${name})
endforeach()
add_custom_target(ordivo_data ALL DEPENDS ${ORDIVO_DATA_OUTPUTS})

# GoogleTest from the Debian source package, built for this target.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(ordivo_wintests ${ORDIVO_WIN_TESTS} ${ORDIVO_TEST_SUPPORT} ${ORDIVO_WIN_SUPPORT} tests/win/WinTestMain.cpp tests/win/wintests.rc)
target_include_directories(ordivo_wintests PRIVATE tests resources)
target_compile_definitions(ordivo_wintests PRIVATE ORDIVO_SOURCE_DIR="Z:${CMAKE_SOURCE_DIR}")
target_compile_options(ordivo_wintests PRIVATE ${ORDIVO_WARNINGS})
target_link_libraries(ordivo_wintests PRIVATE ordivo_win gtest shlwapi gdiplus ${ORDIVO_STATIC})
add_dependencies(ordivo_wintests ordivo_dll ordivo_data)

add_executable(ordivo_e2e ${ORDIVO_E2E_TESTS} ${ORDIVO_WIN_SUPPORT})
target_include_directories(ordivo_e2e PRIVATE tests)
target_compile_options(ordivo_e2e PRIVATE ${ORDIVO_WARNINGS})
target_link_libraries(ordivo_e2e PRIVATE ordivo_win gtest gtest_main shlwapi gdiplus ${ORDIVO_STATIC})
add_dependencies(ordivo_e2e ordivo ordivo_dll ordivo_data)

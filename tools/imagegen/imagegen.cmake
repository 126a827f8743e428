# Image generator: readable sources in resources/app/src -> .bmp/.ico/.cur in resources/app.
# Native builds only; the Windows builds embed the committed binaries.
if(NOT WIN32)
  set(ORDIVO_IMAGEGEN_LIB_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Encoders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PixelFont.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Scene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Source.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImageGen.cpp
  )
  add_executable(imagegen ${CMAKE_CURRENT_LIST_DIR}/main.cpp ${ORDIVO_IMAGEGEN_LIB_SOURCES})
  target_compile_options(imagegen PRIVATE -Wall -Wextra $<$<BOOL:${ORDIVO_WERROR}>:-Werror>)
  # Rewrites the committed binaries from their sources: cmake --build <dir> --target imagegen_update
  add_custom_target(imagegen_update
    COMMAND imagegen ${CMAKE_SOURCE_DIR}/resources/app/src ${CMAKE_SOURCE_DIR}/resources/app
    DEPENDS imagegen VERBATIM)
  list(APPEND ORDIVO_NATIVE_TESTS
    ${ORDIVO_IMAGEGEN_LIB_SOURCES}
    ${CMAKE_CURRENT_LIST_DIR}/tests/ImageEncodersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ImageResourcesTest.cpp
  )
endif()

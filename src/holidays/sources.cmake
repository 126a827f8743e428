list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FeiertagDatei.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FeiertagName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FeiertagTabelle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Osterdatum.cpp
)
list(APPEND ORDIVO_DATA_FILES ${CMAKE_SOURCE_DIR}/data/ORDIVO.PHD)
# The generator of the shipped holiday file is a native tool; its targets need the core
# library and the test executable, which exist only at the end of the configuration.
if(NOT WIN32)
  cmake_language(DEFER CALL include ${CMAKE_SOURCE_DIR}/data/phd.cmake)
endif()

# Portable seams every subsystem uses: host, resource strings, configuration, file names, text format.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ConfigStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConfigText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryConfigStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegAccess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFormat.cpp
)
list(APPEND ORDIVO_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/HelpViewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegistryStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResString.cpp
)

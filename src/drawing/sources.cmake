# Portable drawing values and the canvas interface the painters draw on.
list(APPEND ORDIVO_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Palette.cpp
)

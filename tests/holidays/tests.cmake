list(APPEND ORDIVO_NATIVE_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/FeiertagDateiTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FeiertagNameTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FeiertagTabelleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OsterdatumTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShippedHolidaysTest.cpp
)

# Native tool that turns the readable table data/feiertage.txt into data/ORDIVO.PHD.
# Regenerate after editing the table: cmake --build <dir> --target ordivo_phd
set(ORDIVO_PHD_TOOL_DIR ${CMAKE_SOURCE_DIR}/src/holidays/tools)
add_executable(ordivo_phdgen ${ORDIVO_PHD_TOOL_DIR}/PhdGenerator.cpp ${ORDIVO_PHD_TOOL_DIR}/FeiertagQuelle.cpp)
target_compile_options(ordivo_phdgen PRIVATE ${ORDIVO_WARNINGS} ${ORDIVO_SANITIZE})
target_link_libraries(ordivo_phdgen PRIVATE ordivo_core ${ORDIVO_SANITIZE})
add_custom_target(ordivo_phd
  COMMAND ordivo_phdgen ${CMAKE_SOURCE_DIR}/data/feiertage.txt ${CMAKE_SOURCE_DIR}/data/ORDIVO.PHD
  COMMENT "Generating data/ORDIVO.PHD")
# The tests read the same table and compare with the committed file.
target_sources(ordivo_tests PRIVATE ${ORDIVO_PHD_TOOL_DIR}/FeiertagQuelle.cpp)

# The board model and its JSON board files are pure logic, so every preset builds them: Dralith.dll
# links them, and natively they have their unit tests and their fuzz target.
set(hostkit_board_sources
    ${CMAKE_CURRENT_LIST_DIR}/board.cpp ${CMAKE_CURRENT_LIST_DIR}/board_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/default_layer_names.cpp ${CMAKE_CURRENT_LIST_DIR}/json_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record.cpp ${CMAKE_CURRENT_LIST_DIR}/record_schemas.cpp)
add_library(hostkit_board STATIC ${hostkit_board_sources})
target_include_directories(hostkit_board PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${TAVRIN_SOURCE_ROOT}/src)
tavrin_warnings(hostkit_board)

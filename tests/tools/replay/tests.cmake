# Tests of the replay tool: its script and options parsing, and end-to-end
# runs of the tool itself.
add_executable(replay_tests
    ${CMAKE_CURRENT_LIST_DIR}/ReplayScriptTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReplayToolTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LevelSolutionsTest.cpp)
target_link_libraries(replay_tests PRIVATE replay_lib game_embedded GTest::gtest GTest::gtest_main)
target_compile_definitions(replay_tests PRIVATE
    REPLAY_TOOL="$<TARGET_FILE:velkamire-replay>"
    VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
    VELKAMIRE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(replay_tests velkamire-replay data)
velkamire_discover_tests(replay_tests)

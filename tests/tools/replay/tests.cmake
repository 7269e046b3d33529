# Tests of the replay tool: its script and options parsing, and end-to-end
# runs of the tool itself; the shipped levels against their reference pictures.
velkamire_tool_tests(replay_tests
    LIBS replay_lib game_embedded velkamire_levelc_lib
    DEFINITIONS
        REPLAY_TOOL="$<TARGET_FILE:velkamire-replay>"
        VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
        VELKAMIRE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        VELKAMIRE_BINARY_DIR="${CMAKE_BINARY_DIR}"
    DEPENDS velkamire-replay data)

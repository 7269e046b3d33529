# Tests of the benchmark's tools: the draw census, the replay tool's timing
# mode and the bare-GL probe that draws a census.
velkamire_tool_tests(glprobe_tests
    LIBS glprobe_lib game_embedded velkamire_levelc_lib
    DEFINITIONS
        REPLAY_TOOL="$<TARGET_FILE:velkamire-replay>"
        GLPROBE_TOOL="$<TARGET_FILE:velkamire-glprobe>"
        VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
    DEPENDS velkamire-replay velkamire-glprobe data)

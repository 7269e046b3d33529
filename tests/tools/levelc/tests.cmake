# Tests of the level compiler: its library, the command line and the save-file script.
velkamire_tool_tests(velkamire_levelc_tests
    LIBS velkamire_levelc_lib
    DEFINITIONS
        LEVELC_EXE="$<TARGET_FILE:velkamire-levelc>"
        LEVELC_SAVE_SCRIPT="${CMAKE_SOURCE_DIR}/tools/levelc/EnsureSaveFile.cmake"
        LEVELC_CMAKE="${CMAKE_COMMAND}"
    DEPENDS velkamire-levelc)

# The sound generator's own tests: its writers and parsers, and the sounds
# it put into the data directory, decoded the way the game decodes them.
velkamire_tool_tests(soundgen_tests
    LIBS soundgen_lib PkgConfig::AUDIO
    DEFINITIONS
        SOUNDGEN_EXE="$<TARGET_FILE:soundgen>"
        SOUND_SOURCE_DIR="${CMAKE_SOURCE_DIR}/assets/sound"
        SOUND_DATA_DIR="${VELKAMIRE_DATA_DIR}"
    DEPENDS soundgen_data)

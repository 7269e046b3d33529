# Tests of the font generator, on the same TrueType font the build uses.
velkamire_tool_tests(fontgen_tests
    LIBS fontgen_lib
    DEFINITIONS
        VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
        VELKAMIRE_TTF="${VELKAMIRE_TTF}"
    DEPENDS data)

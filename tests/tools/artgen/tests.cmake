# Tests of the art generator: its text formats, the TGA writer, and the
# textures it builds from assets/art into the data directory.
velkamire_tool_tests(artgen_tests
    LIBS artgen_lib
    DEFINITIONS
        VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
        VELKAMIRE_ART_DIR="${CMAKE_SOURCE_DIR}/assets/art"
    DEPENDS data)

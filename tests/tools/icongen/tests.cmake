# Tests of the icon generator: the picture it takes from the art, its
# scaling, the SVG and the icon theme tree it writes.
velkamire_tool_tests(icongen_tests
    LIBS icongen_lib
    DEFINITIONS VELKAMIRE_ART_DIR="${CMAKE_SOURCE_DIR}/assets/art"
    DEPENDS icons)

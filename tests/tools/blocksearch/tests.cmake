# Tests of the block-puzzle search: its model of pushing, the loader's
# refusals, and the shipped crate yard.
velkamire_tool_tests(blocksearch_tests
    LIBS blocksearch_lib
    DEFINITIONS VELKAMIRE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    DEPENDS velkamire-blocksearch)

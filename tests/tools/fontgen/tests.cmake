# Tests of the font generator, on the same TrueType font the build uses.
file(GLOB FONTGEN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(fontgen_tests ${FONTGEN_TEST_SOURCES})
target_link_libraries(fontgen_tests PRIVATE fontgen_lib GTest::gtest GTest::gtest_main)
target_compile_definitions(fontgen_tests PRIVATE
    VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
    VELKAMIRE_TTF="${VELKAMIRE_TTF}")
add_dependencies(fontgen_tests data)
gtest_discover_tests(fontgen_tests DISCOVERY_TIMEOUT 60)

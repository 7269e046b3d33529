# Tests of the art generator: its text formats, the TGA writer, and the
# textures it builds from assets/art into the data directory.
file(GLOB ARTGEN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(artgen_tests ${ARTGEN_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/TempDir.cpp)
target_include_directories(artgen_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(artgen_tests PRIVATE artgen_lib GTest::gtest GTest::gtest_main)
target_compile_definitions(artgen_tests PRIVATE
    VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
    VELKAMIRE_ART_DIR="${CMAKE_SOURCE_DIR}/assets/art")
add_dependencies(artgen_tests data)
gtest_discover_tests(artgen_tests DISCOVERY_TIMEOUT 60)

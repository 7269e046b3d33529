# The sound generator's own tests: its writers and parsers, and the sounds
# it put into the data directory, decoded the way the game decodes them.
file(GLOB SOUNDGEN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(soundgen_tests ${SOUNDGEN_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/TempDir.cpp)
target_include_directories(soundgen_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(soundgen_tests PRIVATE soundgen_lib PkgConfig::AUDIO GTest::gtest GTest::gtest_main)
target_compile_definitions(soundgen_tests PRIVATE
    SOUNDGEN_EXE="$<TARGET_FILE:soundgen>"
    SOUND_SOURCE_DIR="${CMAKE_SOURCE_DIR}/assets/sound"
    SOUND_DATA_DIR="${VELKAMIRE_DATA_DIR}")
add_dependencies(soundgen_tests soundgen_data)
velkamire_discover_tests(soundgen_tests)

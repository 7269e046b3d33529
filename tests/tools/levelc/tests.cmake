# Tests of the level compiler: its library, the command line and the save-file script.
file(GLOB LEVELC_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(velkamire_levelc_tests ${LEVELC_TEST_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/support/TempDir.cpp)
target_include_directories(velkamire_levelc_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(velkamire_levelc_tests PRIVATE velkamire_levelc_lib GTest::gtest GTest::gtest_main)
target_compile_definitions(velkamire_levelc_tests PRIVATE
    LEVELC_EXE="$<TARGET_FILE:velkamire-levelc>"
    LEVELC_SAVE_SCRIPT="${CMAKE_SOURCE_DIR}/tools/levelc/EnsureSaveFile.cmake"
    LEVELC_CMAKE="${CMAKE_COMMAND}")
add_dependencies(velkamire_levelc_tests velkamire-levelc)
velkamire_discover_tests(velkamire_levelc_tests)

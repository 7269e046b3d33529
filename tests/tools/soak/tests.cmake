# The soak: the replay tool on every shipped level with seeded random
# input, one test per level. The game time per level is a setting, so that
# the suite stays short as levels are added; a long run sets
# VELKAMIRE_SOAK_SECONDS in the environment of soak_tests (see the README).
set(VELKAMIRE_SOAK_SECONDS 30 CACHE STRING "Game seconds of random input per shipped level in the suite's soak")
set(VELKAMIRE_SOAK_FRAME_MS 50 CACHE STRING "Game milliseconds per drawn frame in the soak")

add_executable(soak_tests ${CMAKE_CURRENT_LIST_DIR}/SoakTest.cpp ${CMAKE_CURRENT_SOURCE_DIR}/support/TempDir.cpp)
target_include_directories(soak_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(soak_tests PRIVATE GTest::gtest GTest::gtest_main)
target_compile_definitions(soak_tests PRIVATE
    REPLAY_TOOL="$<TARGET_FILE:velkamire-replay>"
    VELKAMIRE_DATA_DIR="${VELKAMIRE_DATA_DIR}"
    SOAK_SECONDS=${VELKAMIRE_SOAK_SECONDS}
    SOAK_FRAME_MS=${VELKAMIRE_SOAK_FRAME_MS})
add_dependencies(soak_tests velkamire-replay data)

# A soak that hangs fails: four seconds for each second of game time, and
# five minutes more.
math(EXPR soak_timeout "300 + ${VELKAMIRE_SOAK_SECONDS} * 4")
file(GLOB soak_levels CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/levels/*.lvl)
foreach(source IN LISTS soak_levels)
  get_filename_component(level ${source} NAME_WE)
  add_test(NAME Soak.${level} COMMAND soak_tests)
  set_tests_properties(Soak.${level} PROPERTIES TIMEOUT ${soak_timeout} ENVIRONMENT
      "SDL_VIDEODRIVER=offscreen;ALSOFT_DRIVERS=null;SDL_AUDIODRIVER=dummy;VELKAMIRE_SOAK_LEVEL=${level}.dat")
endforeach()

# The music really plays: captured through openal-soft's wave backend.
add_test(NAME MusicIsHeardInTheRunningGame
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/music_capture_test.sh
                 $<TARGET_FILE:velkamire-replay> ${VELKAMIRE_DATA_DIR})

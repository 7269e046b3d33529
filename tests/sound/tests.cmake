# The music really plays: captured through openal-soft's wave backend.
add_test(NAME MusicIsHeardInTheRunningGame
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/music_capture_test.sh
                 $<TARGET_FILE:velkamire-replay> ${VELKAMIRE_DATA_DIR})

# The effects are heard when the world sets them off, and only then.
add_test(NAME FlameIsHeardWhenABurnerBurnsThePlayer
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/effects_capture_test.sh
                 $<TARGET_FILE:velkamire-replay> $<TARGET_FILE:velkamire-levelc> ${VELKAMIRE_DATA_DIR}
                 ${CMAKE_CURRENT_LIST_DIR}/levels/burner.lvl 0
                 "5 key 70\\n6 keyup 70\\n" "")
add_test(NAME ShatterIsHeardWhenALaserBreaksIce
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/effects_capture_test.sh
                 $<TARGET_FILE:velkamire-replay> $<TARGET_FILE:velkamire-levelc> ${VELKAMIRE_DATA_DIR}
                 ${CMAKE_CURRENT_LIST_DIR}/levels/shatter.lvl 1
                 "5 hold 39 28\\n60 key 68\\n61 keyup 68\\n120 key 70\\n121 keyup 70\\n"
                 "5 hold 39 28\\n60 key 68\\n61 keyup 68\\n")

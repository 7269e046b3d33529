# The real game in a real X window, driven with xdotool.
add_test(NAME RealWindowWalkAndEscape
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/real_window_test.sh $<TARGET_FILE:velkamire> ${VELKAMIRE_DATA_DIR})
set_tests_properties(RealWindowWalkAndEscape PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)

# Reads the X cursor through XFixes, which screenshots leave out.
add_executable(cursor-probe ${CMAKE_CURRENT_LIST_DIR}/CursorProbe.cpp)
target_link_libraries(cursor-probe PRIVATE X11::X11 X11::Xfixes)

# A player's first minutes in a real window: cursor, keyboard layout, keypad,
# music key, a failed switch to fullscreen.
add_test(NAME PlayerMeetsTheRealWindow
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/player_window_test.sh $<TARGET_FILE:velkamire> ${VELKAMIRE_DATA_DIR}
                 $<TARGET_FILE:cursor-probe>)
set_tests_properties(PlayerMeetsTheRealWindow PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)

# The X server dies under the running game: the game ends.
add_test(NAME GameEndsWhenItsDisplayDies
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/display_lost_test.sh $<TARGET_FILE:velkamire> ${VELKAMIRE_DATA_DIR})
set_tests_properties(GameEndsWhenItsDisplayDies PROPERTIES TIMEOUT 60)

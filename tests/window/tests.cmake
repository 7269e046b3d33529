# The real game in a real X window, driven with xdotool.
add_test(NAME RealWindowWalkAndEscape
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/real_window_test.sh $<TARGET_FILE:velkamire> ${VELKAMIRE_DATA_DIR})
set_tests_properties(RealWindowWalkAndEscape PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)

# Recorded play: the real game records a play under Xvfb, and the replay
# tool plays the recording back to the same frames.
add_test(NAME RecordedPlayReplaysTheSame
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/record_replay_test.sh
                 $<TARGET_FILE:velkamire> $<TARGET_FILE:velkamire-replay> ${VELKAMIRE_DATA_DIR})
set_tests_properties(RecordedPlayReplaysTheSame PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE)

# --help, --version and unknown options of the programs and the
# designers' block search.
add_test(NAME ProgramsAnswerHelpAndRefuseUnknownOptions
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/usage_test.sh
                 $<TARGET_FILE:velkamire> $<TARGET_FILE:velkamire-replay> $<TARGET_FILE:velkamire-levelc>
                 $<TARGET_FILE:velkamire-blocksearch> $<TARGET_FILE:velkamire-glprobe>)

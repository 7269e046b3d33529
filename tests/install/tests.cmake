# The installed game: what `make install` puts in place, played in a real
# window with the player's files kept apart; and the desktop entry and man
# pages checked as desktops and man read them.
add_test(NAME InstalledGameKeepsThePlayersFilesApart
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/installed_game_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(InstalledGameKeepsThePlayersFilesApart PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)

add_test(NAME DesktopEntryIsValid
         COMMAND desktop-file-validate ${CMAKE_SOURCE_DIR}/packaging/velkamire.desktop)

add_test(NAME ManPagesFormatWithoutWarnings
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/man_pages_test.sh ${CMAKE_SOURCE_DIR}/docs/man)

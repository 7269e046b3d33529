# Run by CPack on the staged files of the Debian package: Debian keeps the
# programs of games in /usr/games, so they move there from /usr/bin. The
# installed game still finds its data in ../share/velkamire beside them.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
file(GLOB programs ${staged}/bin/*)
file(MAKE_DIRECTORY ${staged}/games)
foreach(program IN LISTS programs)
  get_filename_component(name ${program} NAME)
  file(RENAME ${program} ${staged}/games/${name})
endforeach()
file(REMOVE_RECURSE ${staged}/bin)

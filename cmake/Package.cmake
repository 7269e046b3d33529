# `make package`: a Debian package of what cmake/Install.cmake installs,
# under /usr, with its dependencies on the runtime libraries worked out by
# dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkamire)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Velkamire developers <velkamire@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle-action game with a built-in level editor")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Walk a character over screen-sized levels of floors, walls and pushable
blocks, freeze zombies with liquid nitrogen, and ride the elevators from
level to level. The same program edits the levels.
.
The package also holds velkamire-replay, which runs the game headless from
a script of input events, and velkamire-levelc, the level compiler.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The GL libraries need a driver to draw with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/DebianGames.cmake)
include(CPack)

# What `make install` and the package put where: the three programs, the
# game's data, the desktop entry and icons, the man pages and the documents.
# The data goes under share/velkamire, which the installed game finds beside
# its executable; the player's own files never go there.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(VELKAMIRE_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/velkamire)
set(VELKAMIRE_INSTALL_DOC ${CMAKE_INSTALL_DATADIR}/doc/velkamire)

# The game looks for its data relative to its own directory.
file(RELATIVE_PATH data_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/velkamire)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/resources/DataPaths.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS VELKAMIRE_INSTALLED_DATA="${data_from_bin}")

install(TARGETS velkamire velkamire-replay velkamire-levelc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Only what the build makes is shipped: levels and a save file a developer
# wrote into build/data stay behind.
install(FILES ${VELKAMIRE_DATA_DIR}/textures.txt ${VELKAMIRE_DATA_DIR}/sounds.txt DESTINATION ${VELKAMIRE_INSTALL_DATA})
install(FILES ${VELKAMIRE_DATA_DIR}/Data/font.dat DESTINATION ${VELKAMIRE_INSTALL_DATA}/Data)
install(DIRECTORY ${VELKAMIRE_DATA_DIR}/Data/Textures ${VELKAMIRE_DATA_DIR}/Data/Sounds ${VELKAMIRE_DATA_DIR}/Data/Speech
        DESTINATION ${VELKAMIRE_INSTALL_DATA}/Data)
file(GLOB level_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/levels/*.lvl)
foreach(source IN LISTS level_sources)
  get_filename_component(name ${source} NAME_WLE)
  install(FILES ${VELKAMIRE_DATA_DIR}/Data/Levels/${name}.dat DESTINATION ${VELKAMIRE_INSTALL_DATA}/Data/Levels)
endforeach()
# A new player starts at the first level until they save.
set(SAVE_FILE ${CMAKE_BINARY_DIR}/install/save.dat)
include(${CMAKE_SOURCE_DIR}/tools/levelc/EnsureSaveFile.cmake)
install(FILES ${SAVE_FILE} DESTINATION ${VELKAMIRE_INSTALL_DATA}/Data/Levels)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/velkamire.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${VELKAMIRE_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Man pages and the change log go in compressed, without time stamps.
function(velkamire_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n -c '${source}' > '${output}'"
    DEPENDS ${source}
    VERBATIM)
endfunction()
set(compressed "")
foreach(page velkamire velkamire-replay velkamire-levelc)
  velkamire_gzip(${CMAKE_SOURCE_DIR}/docs/man/${page}.6 ${CMAKE_BINARY_DIR}/install/${page}.6.gz)
  install(FILES ${CMAKE_BINARY_DIR}/install/${page}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/install/${page}.6.gz)
endforeach()
velkamire_gzip(${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/install/changelog.gz)
list(APPEND compressed ${CMAKE_BINARY_DIR}/install/changelog.gz)
add_custom_target(install_documents ALL DEPENDS ${compressed})

install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/packaging/copyright
              ${CMAKE_BINARY_DIR}/install/changelog.gz
        DESTINATION ${VELKAMIRE_INSTALL_DOC})

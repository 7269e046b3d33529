# Script mode: cmake -DSAVE_FILE=<path> -P EnsureSaveFile.cmake
# Writes the save file naming the first level, only when there is none yet.
if(NOT SAVE_FILE)
  message(FATAL_ERROR "SAVE_FILE is not set")
endif()
if(NOT EXISTS "${SAVE_FILE}")
  file(WRITE "${SAVE_FILE}" "lev1.dat")
endif()

#pragma once
#include <string>

// Where the game reads its data and writes the player's files.
//
// Run from a build, the game works in its working directory, which holds
// everything: the paths below come back unchanged. Installed, the game finds
// its data beside the executable (<prefix>/bin/../share/velkamire), works in
// that directory and only reads it; levels saved in the editor and the save
// file go to a per-user directory, where they also shadow the installed
// files of the same name.

// The per-user directory: $XDG_DATA_HOME/velkamire when that is an absolute
// path (relative ones are invalid and ignored), else
// <home>/.local/share/velkamire.
std::string UserDataDirectory(const char* xdgDataHome, const std::string& home);

// The installed data directory of the executable at exePath, or empty when
// there is none beside it.
std::string InstalledDataDirectory(const std::string& exePath);

// Works in installedDir and keeps the player's files in userDir, creating
// it with Data/Levels inside. False, after an error box, when either
// directory fails; the player's files still never go to installedDir.
bool UseInstalledData(const std::string& installedDir, const std::string& userDir);

// Forgets the player's directory: every file is read and written in the
// working directory again.
void UseWorkingDirectory();

// Decides for the running game, before it loads anything: installed data
// when it lies beside the executable, else the working directory as it is.
void ChooseDataDirectories();

// A file the player may have written (a level, the save file), named
// relative to the data directory: the player's copy when there is one,
// else the installed one.
std::string PathToRead(const std::string& relative);

// Where to write such a file. The player's directory is made again when it
// has gone missing.
std::string PathToWrite(const std::string& relative);

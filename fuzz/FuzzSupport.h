#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Shared by the fuzz targets: a scratch folder of the process's own, files
// in it, and a platform that forgets message boxes instead of keeping them.

// Writes the input to a file of that name in the scratch folder and
// returns its path.
std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size);

// Makes the scratch folder, which holds the game's Data/Levels and
// Data/Speech folders, the
// working directory. Paths given to the fuzzer must then be absolute.
void EnterFuzzScratch();

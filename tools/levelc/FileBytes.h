#pragma once
#include <string>

namespace levelc {

bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes through a temporary file renamed into place, so that a failed run
// never leaves a half-written level behind. "-" writes to standard output.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace levelc

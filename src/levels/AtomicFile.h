#pragma once
#include <string>

// Writes bytes to a temporary file beside path, then renames it over path.
// Either the whole new content is in place or the old file is untouched.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

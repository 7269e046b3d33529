#pragma once
#include "LevelSource.h"
#include <string>
#include <vector>

namespace levelc {

// The objects of a parsed source in the order they are written to the level
// file. Problems are appended to `errors` as "sourceName:line: message".
std::vector<SourceObject> ArrangeObjects(const LevelSource& source, const std::string& sourceName,
                                         std::vector<std::string>& errors);

// Compiles level source text to the bytes of a level file. Returns false, with
// at least one message in `errors`, when the source has problems.
bool CompileSource(const std::string& text, const std::string& sourceName, std::string& bytes,
                   std::vector<std::string>& errors);

}  // namespace levelc

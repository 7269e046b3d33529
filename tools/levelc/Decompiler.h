#pragma once
#include "LevelRecord.h"
#include <string>
#include <vector>

namespace levelc {

// Level source text that compiles back to exactly these records, bytes and
// order alike. It is a map with a legend when the records' order allows one,
// otherwise an "order as-written" list of "at" lines.
std::string DecompileLevel(const std::vector<LevelRecord>& records);

}  // namespace levelc

#pragma once
#include "LevelRecord.h"
#include <string>
#include <vector>

namespace levelc {

// Splits the bytes of a level file into records. A file that ends inside a
// record is refused: `error` says where, and false is returned.
bool ReadLevel(const std::string& bytes, std::vector<LevelRecord>& records, std::string& error);

// The bytes of a level file holding `records` in the given order.
std::string WriteLevel(const std::vector<LevelRecord>& records);

}  // namespace levelc

#pragma once
#include "LevelRecord.h"
#include "SourceSyntax.h"
#include <string>
#include <vector>

namespace levelc {

// A list of objects that share one position, bottom first, written as
// "floor + hit-switch 3 on + ...". Positions of the records are left at 0.
using ObjectStack = std::vector<LevelRecord>;

// Reads the stack in tokens[first..]. Returns false with `error` set when a
// word is not understood.
bool ParseStack(const std::vector<Token>& tokens, size_t first, ObjectStack& stack, std::string& error);

std::string FormatStack(const ObjectStack& stack);
std::string FormatObject(const LevelRecord& record);

bool SameStack(const ObjectStack& a, const ObjectStack& b);

}  // namespace levelc

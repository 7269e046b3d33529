#pragma once
#include <string>
#include <vector>
#include "LevelRecord.h"

// Stops the fuzzer, showing the source, unless the records of these level
// file bytes decompile to a source that compiles to the same bytes.
void RequireRoundTrip(const std::string& bytes, const std::vector<levelc::LevelRecord>& records);

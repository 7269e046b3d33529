#pragma once
#include "ObjectStack.h"
#include <map>

namespace levelc {

// Map characters to the stacks they stand for.
using Legend = std::map<char, ObjectStack>;

// The characters every source knows without a legend line: blank for nothing,
// floor, wall, and the usual things standing on a floor tile.
const Legend& BuiltinLegend();

// Characters a legend line may define: printable, not blank, not a bar.
bool IsLegendKey(char c);

}  // namespace levelc

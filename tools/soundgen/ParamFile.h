#pragma once
#include <string>
#include <vector>

namespace soundgen {

// One tunable number of an effect: its key in the parameter file, where
// it is stored, and the range the synthesiser can cope with.
struct ParamSlot {
    const char* key;
    float* value;
    float low;
    float high;
};

// Reads "key value" lines into the slots; keys left out keep their
// defaults. Unknown keys, repeated keys, missing or bad numbers and values
// out of range are errors, reported as "file:line: message".
bool ReadParams(const std::string& text, const std::string& fileName,
                const std::vector<ParamSlot>& slots, std::string& error);

} // namespace soundgen

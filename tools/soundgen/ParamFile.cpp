#include "ParamFile.h"
#include <set>
#include "TextLines.h"

namespace soundgen {

namespace {

const ParamSlot* FindSlot(const std::vector<ParamSlot>& slots, const std::string& key)
{
    for (const ParamSlot& slot : slots)
        if (key == slot.key) return &slot;
    return nullptr;
}

std::string RangeText(const ParamSlot& slot)
{
    std::string low = std::to_string(slot.low), high = std::to_string(slot.high);
    return "'" + std::string(slot.key) + "' must lie between " + low + " and " + high;
}

} // namespace

bool ReadParams(const std::string& text, const std::string& fileName,
                const std::vector<ParamSlot>& slots, std::string& error)
{
    std::set<std::string> seen;
    for (const SourceLine& line : SplitSource(text)) {
        const std::string& key = line.words[0];
        const ParamSlot* slot = FindSlot(slots, key);
        double value = 0.0;
        std::string problem;
        if (!slot)
            problem = "unknown parameter '" + key + "'";
        else if (line.words.size() != 2)
            problem = "'" + key + "' takes exactly one number";
        else if (!ParseNumber(line.words[1], value))
            problem = "'" + line.words[1] + "' is not a number";
        else if (value < slot->low || value > slot->high)
            problem = RangeText(*slot);
        else if (!seen.insert(key).second)
            problem = "'" + key + "' is given twice";
        if (!problem.empty()) {
            error = LineError(fileName, line.number, problem);
            return false;
        }
        *slot->value = static_cast<float>(value);
    }
    return true;
}

} // namespace soundgen

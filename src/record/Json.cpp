#include "record/Json.h"
#include "objects/TraceJson.h"
#include <cmath>
#include <cstdio>

// The objects' own trace members escape their strings the same way.
std::string JsonString(const std::string& text) { return TraceJsonString(text); }

std::string JsonFloat(float value)
{
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

#pragma once
#include <string>

// Small helpers for writing JSON by hand.
std::string JsonString(const std::string& text);
// Floats printed so that they read back exactly.
std::string JsonFloat(float value);

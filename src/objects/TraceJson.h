#pragma once
#include <string>

// The text as a quoted JSON string for the replay trace: quotes,
// backslashes and control bytes escaped, bytes above 127 written as the
// Latin-1 characters they stand for.
std::string TraceJsonString(const std::string& text);

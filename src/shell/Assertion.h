#pragma once

// Programming errors stop the program, naming the failed expression and
// the module it was checked in.
[[noreturn]] void AssertionFailed(const char* expression, const char* module);

#define VK_ASSERT(expr, module) \
    ((expr) ? static_cast<void>(0) : AssertionFailed(#expr, module))

#include "shell/Assertion.h"
#include <cstdio>
#include <cstdlib>
#include <string>
#include "shell/Platform.h"

void AssertionFailed(const char* expression, const char* module)
{
    std::string text = std::string("Assertion failed: ") + expression + "\nModule: " + module;
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    std::abort();
}

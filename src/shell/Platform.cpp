#include "shell/Platform.h"
#include <cstdio>
#include <cstdlib>

namespace {
Platform* current = nullptr;
}

int Platform::ShowCursor(bool show)
{
    bool wasVisible = cursorCount >= 0;
    cursorCount += show ? 1 : -1;
    bool visible = cursorCount >= 0;
    if (visible != wasVisible) ApplyCursor(visible);
    return cursorCount;
}

Platform& GetPlatform()
{
    if (!current) {
        std::fprintf(stderr, "No platform installed\n");
        std::abort();
    }
    return *current;
}

void SetPlatform(Platform* platform) { current = platform; }

Platform* TryGetPlatform() { return current; }

#include "shell/GameDriver.h"
#include "shell/SdlPlatform.h"
#include "shell/Shell.h"

int main()
{
    static SdlPlatform platform;
    SetPlatform(&platform);
    // The program-wide objects live for the whole run.
    static GameDriver driver;
    return RunProgram(platform, driver);
}

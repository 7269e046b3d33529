#include "resources/DataPaths.h"
#include "shell/GameDriver.h"
#include "shell/SdlPlatform.h"
#include "shell/Shell.h"

int main()
{
    static SdlPlatform platform;
    SetPlatform(&platform);
    ChooseDataDirectories();
    // The program-wide objects live for the whole run.
    static GameDriver driver;
    return RunProgram(platform, driver);
}

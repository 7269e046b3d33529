#include "record/GameRun.h"
#include "resources/DataPaths.h"
#include "shell/GameDriver.h"
#include "shell/GameOptions.h"
#include "shell/SdlPlatform.h"

int main(int argc, char** argv)
{
    GameOptions options = ParseGameOptions(argc, argv);
    if (options.action != GameOptions::Action::Play) return AnswerCommandLine(options, VELKAMIRE_VERSION);
    static SdlPlatform platform;
    SetPlatform(&platform);
    ChooseDataDirectories();
    // The program-wide objects live for the whole run.
    static GameDriver driver;
    return RunGame(platform, driver, options);
}

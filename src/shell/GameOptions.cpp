#include "shell/GameOptions.h"
#include <cstdio>
#include <filesystem>

const char* const GAME_USAGE =
    "usage: velkamire [--record FILE] [--trace FILE]\n"
    "       velkamire --help | --version\n";

namespace {

const char* const OPTIONS_HELP =
    "\n"
    "Plays Velkamire in a window. Escape quits; E opens the level editor.\n"
    "\n"
    "  --record FILE  write the play as a script that velkamire-replay plays\n"
    "                 back to the same result\n"
    "  --trace FILE   write one JSON object per frame (JSON Lines), as\n"
    "                 velkamire-replay --trace does\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n";

// Takes the value of an option given as "--name VALUE" or "--name=VALUE".
bool TakeValue(int argc, const char* const* argv, int& i, const std::string& inlineValue, bool hasInline,
               std::string& value)
{
    if (hasInline) {
        value = inlineValue;
    } else {
        if (i + 1 >= argc) return false;
        value = argv[++i];
    }
    return !value.empty();
}

GameOptions Refused(const std::string& why)
{
    GameOptions refused;
    refused.action = GameOptions::Action::Refuse;
    refused.error = why;
    return refused;
}

} // namespace

GameOptions ParseGameOptions(int argc, const char* const* argv)
{
    GameOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        size_t equals = arg.find('=');
        bool hasInline = arg.rfind("--", 0) == 0 && equals != std::string::npos;
        std::string name = hasInline ? arg.substr(0, equals) : arg;
        std::string inlineValue = hasInline ? arg.substr(equals + 1) : "";
        if ((name == "--help" || name == "-h") && !hasInline) {
            options.action = GameOptions::Action::Help;
        } else if (name == "--version" && !hasInline) {
            options.action = GameOptions::Action::Version;
        } else if (name == "--record" || name == "--trace") {
            std::string value;
            if (!TakeValue(argc, argv, i, inlineValue, hasInline, value)) return Refused(name + " needs a file");
            std::string absolute = std::filesystem::absolute(value).lexically_normal().string();
            (name == "--record" ? options.recordFile : options.traceFile) = absolute;
        } else if (!arg.empty() && arg[0] == '-') {
            return Refused("unknown option " + arg);
        } else {
            return Refused("unexpected argument " + arg);
        }
    }
    if (!options.recordFile.empty() && options.recordFile == options.traceFile)
        return Refused("--record and --trace need two different files");
    return options;
}

int AnswerCommandLine(const GameOptions& options, const char* version)
{
    switch (options.action) {
    case GameOptions::Action::Help:
        std::printf("%s%s", GAME_USAGE, OPTIONS_HELP);
        return 0;
    case GameOptions::Action::Version:
        std::printf("velkamire %s\n", version);
        return 0;
    case GameOptions::Action::Refuse:
        std::fprintf(stderr, "velkamire: %s\n%s", options.error.c_str(), GAME_USAGE);
        return 2;
    case GameOptions::Action::Play:
        break;
    }
    return 0;
}

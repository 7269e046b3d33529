#pragma once
#include <string>

// What the game's command line asks for.
struct GameOptions {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string recordFile;  // absolute path, or empty
    std::string traceFile;   // absolute path, or empty
    std::string error;       // why the line was refused
};

// Reads the command line: --record FILE, --trace FILE, --help, --version
// (values may also follow an "="). Paths are made absolute at once, so that
// they keep naming the caller's files whatever directory the game enters.
GameOptions ParseGameOptions(int argc, const char* const* argv);

// Prints what the command line asked for that is not play: help or the
// version on standard output, a refusal and the usage on standard error.
// Returns the exit code.
int AnswerCommandLine(const GameOptions& options, const char* version);

extern const char* const GAME_USAGE;

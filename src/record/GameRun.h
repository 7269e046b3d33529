#pragma once

class GameDriver;
class Platform;
struct GameOptions;

// Runs the game on the platform, recording and tracing the play when the
// options ask for it. Returns the exit code: the program's own, or 2 when a
// file cannot be opened and 1 when one could not be written to the end.
int RunGame(Platform& platform, GameDriver& driver, const GameOptions& options);

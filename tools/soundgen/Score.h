#pragma once
#include <array>
#include <string>
#include <vector>

namespace soundgen {

enum class Instrument { Pad, Pluck, Bell };
constexpr int INSTRUMENT_COUNT = 3;
constexpr const char* INSTRUMENT_NAMES[INSTRUMENT_COUNT] = {"pad", "pluck", "bell"};

// Times are in beats from the start of the piece, counted from 0.
struct ScoreNote {
    Instrument instrument;
    double start;
    double beats;
    int midi;             // 60 is middle C (C4), 69 is A4 = 440 Hz
    float velocity;
};

// How one instrument sits in the mix: level, place between the speakers
// (-1 left, 1 right) and its echo (delay in beats, level of the first
// repeat; later repeats fall by the same factor).
struct InstrumentMix {
    float gain = 1.0f;
    float pan = 0.0f;
    double echoBeats = 0.0;
    float echoLevel = 0.0f;
};

// A piece that loops: after its last bar it carries on from its first, so
// notes sounding past the end are heard over the beginning.
struct Score {
    double tempo = 0.0;   // beats per minute
    int meter = 4;        // beats per bar
    int bars = 0;
    std::vector<ScoreNote> notes;
    std::array<InstrumentMix, INSTRUMENT_COUNT> mix{};

    double SecondsPerBeat() const { return 60.0 / tempo; }
    double LengthBeats() const { return static_cast<double>(bars) * meter; }
    double LengthSeconds() const { return LengthBeats() * SecondsPerBeat(); }
};

double MidiToHz(int midi);

} // namespace soundgen

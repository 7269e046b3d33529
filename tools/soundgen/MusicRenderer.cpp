#include "MusicRenderer.h"
#include <algorithm>
#include <cmath>
#include "Instruments.h"
#include "Noise.h"
#include "Pcm.h"

namespace soundgen {

namespace {

// Spreads the notes of a chord a little across the stereo field, by pitch
// class, so chords sound wide rather than stacked in one place.
float NotePan(const InstrumentMix& mix, int midi)
{
    return std::clamp(mix.pan + 0.15f * static_cast<float>(midi % 5 - 2), -1.0f, 1.0f);
}

void AddNote(StereoBuffer& bus, const std::vector<float>& mono, size_t offset, float gain, float pan)
{
    const float angle = (pan + 1.0f) * 0.25f * 3.14159265f;  // equal-power panning
    const float gainL = gain * std::cos(angle), gainR = gain * std::sin(angle);
    const size_t frames = bus.Frames();
    for (size_t k = 0; k < mono.size(); ++k) {
        size_t at = (offset + k) % frames;
        bus.left[at] += gainL * mono[k];
        bus.right[at] += gainR * mono[k];
    }
}

// Ping-pong echo read round the loop: each repeat comes from the other
// side, weaker by `level` each time.
void AddEcho(StereoBuffer& bus, size_t delay, float level)
{
    if (delay == 0 || level <= 0.0f) return;
    const StereoBuffer dry = bus;
    const size_t frames = bus.Frames();
    float tapLevel = level;
    for (int tap = 1; tap <= 6 && tapLevel > 0.01f; ++tap, tapLevel *= level) {
        const bool swap = tap % 2 == 1;
        const std::vector<float>& fromL = swap ? dry.right : dry.left;
        const std::vector<float>& fromR = swap ? dry.left : dry.right;
        const size_t shift = (delay * tap) % frames;
        for (size_t n = 0; n < frames; ++n) {
            size_t from = (n + frames - shift) % frames;
            bus.left[n] += tapLevel * fromL[from];
            bus.right[n] += tapLevel * fromR[from];
        }
    }
}

} // namespace

StereoBuffer RenderScore(const Score& score, int rate, unsigned seed)
{
    const double framesPerBeat = score.SecondsPerBeat() * rate;
    const size_t frames = static_cast<size_t>(std::llround(score.LengthSeconds() * rate));
    Noise noise(seed);
    std::vector<StereoBuffer> buses(INSTRUMENT_COUNT, StereoBuffer(frames));
    for (const ScoreNote& note : score.notes) {
        const InstrumentMix& mix = score.mix[static_cast<int>(note.instrument)];
        std::vector<float> mono = RenderNote(note.instrument, MidiToHz(note.midi),
                                             note.beats * score.SecondsPerBeat(), note.velocity, rate, noise);
        size_t offset = static_cast<size_t>(std::llround(note.start * framesPerBeat)) % frames;
        AddNote(buses[static_cast<int>(note.instrument)], mono, offset, mix.gain, NotePan(mix, note.midi));
    }
    StereoBuffer out(frames);
    for (int i = 0; i < INSTRUMENT_COUNT; ++i) {
        const InstrumentMix& mix = score.mix[i];
        AddEcho(buses[i], static_cast<size_t>(std::llround(mix.echoBeats * framesPerBeat)), mix.echoLevel);
        for (size_t n = 0; n < frames; ++n) {
            out.left[n] += buses[i].left[n];
            out.right[n] += buses[i].right[n];
        }
    }
    const float loudest = std::max(Peak(out.left), Peak(out.right));
    if (loudest > 0.0f) {
        Scale(out.left, MUSIC_PEAK / loudest);
        Scale(out.right, MUSIC_PEAK / loudest);
    }
    return out;
}

} // namespace soundgen

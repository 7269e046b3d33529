#include "ScoreParser.h"
#include <cctype>
#include <cmath>
#include "TextLines.h"

namespace soundgen {

double MidiToHz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

bool ParseNoteName(const std::string& word, int& midi)
{
    static const int STEPS[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (word.size() < 2 || word[0] < 'A' || word[0] > 'G') return false;
    int semitone = STEPS[word[0] - 'A'];
    size_t pos = 1;
    if (word[pos] == '#' || word[pos] == 'b') semitone += word[pos++] == '#' ? 1 : -1;
    std::string octaveText = word.substr(pos);
    if (octaveText != "-1" && (octaveText.size() != 1 || !std::isdigit(static_cast<unsigned char>(octaveText[0]))))
        return false;
    midi = (std::stoi(octaveText) + 1) * 12 + semitone;
    return midi >= 0 && midi <= 127;
}

namespace {

// Walks the lines of one score, one handler per command.
class ScoreReader {
public:
    ScoreReader(const std::string& fileName, Score& score) : fileName(fileName), score(score) {}

    bool Line(const SourceLine& line)
    {
        number = line.number;
        words = line.words;
        const std::string& cmd = words[0];
        if (cmd == "tempo") return Tempo();
        if (cmd == "meter") return Layout(score.meter, 16);
        if (cmd == "bars") return Layout(score.bars, 10000);
        if (cmd == "gain" || cmd == "pan") return Mix(cmd == "gain");
        if (cmd == "echo") return Echo();
        if (cmd == "chord" || cmd == "seq") return Notes(cmd == "seq");
        return Fail("unknown command '" + cmd + "'");
    }

    bool Finish()
    {
        if (score.tempo <= 0.0) return Fail("the score gives no tempo", false);
        if (score.bars <= 0) return Fail("the score gives no bars", false);
        return true;
    }

    std::string error;

private:
    bool Fail(const std::string& message, bool atLine = true)
    {
        error = atLine ? LineError(fileName, number, message) : fileName + ": " + message;
        return false;
    }

    bool Count(size_t least, size_t most, const char* usage)
    {
        if (words.size() >= least && words.size() <= most) return true;
        return Fail(std::string("expected '") + usage + "'");
    }

    bool Number(size_t index, double low, double high, double& value)
    {
        if (!ParseNumber(words[index], value)) return Fail("'" + words[index] + "' is not a number");
        if (value < low || value > high)
            return Fail("'" + words[index] + "' must lie between " + Text(low) + " and " + Text(high));
        return true;
    }

    static std::string Text(double v)
    {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        return s;
    }

    bool Tempo()
    {
        return Count(2, 2, "tempo <beats per minute>") && Number(1, 20.0, 400.0, score.tempo);
    }

    // meter and bars decide where bar:beat positions fall, so they may not
    // change once notes have been placed.
    bool Layout(int& field, int most)
    {
        if (!Count(2, 2, "meter|bars <count>")) return false;
        if (!score.notes.empty()) return Fail("'" + words[0] + "' must come before the first note");
        double value = 0.0;
        if (!Number(1, 1.0, most, value)) return false;
        if (value != std::floor(value)) return Fail("'" + words[1] + "' must be a whole number");
        field = static_cast<int>(value);
        return true;
    }

    bool InstrumentAt(size_t index, Instrument& instrument)
    {
        for (int i = 0; i < INSTRUMENT_COUNT; ++i)
            if (words[index] == INSTRUMENT_NAMES[i]) {
                instrument = static_cast<Instrument>(i);
                return true;
            }
        return Fail("unknown instrument '" + words[index] + "' (pad, pluck or bell)");
    }

    InstrumentMix& MixOf(Instrument instrument) { return score.mix[static_cast<int>(instrument)]; }

    bool Mix(bool isGain)
    {
        Instrument instrument;
        double value = 0.0;
        if (!Count(3, 3, "gain|pan <instrument> <value>") || !InstrumentAt(1, instrument)) return false;
        if (!Number(2, isGain ? 0.0 : -1.0, isGain ? 10.0 : 1.0, value)) return false;
        (isGain ? MixOf(instrument).gain : MixOf(instrument).pan) = static_cast<float>(value);
        return true;
    }

    bool Echo()
    {
        Instrument instrument;
        double beats = 0.0, level = 0.0;
        if (!Count(4, 4, "echo <instrument> <delay beats> <level>") || !InstrumentAt(1, instrument)) return false;
        if (!Number(2, 0.0, 64.0, beats) || !Number(3, 0.0, 0.95, level)) return false;
        MixOf(instrument).echoBeats = beats;
        MixOf(instrument).echoLevel = static_cast<float>(level);
        return true;
    }

    // "bar:beat" to beats from the start of the piece.
    bool Position(size_t index, double& start)
    {
        if (score.bars <= 0 || score.tempo <= 0.0) return Fail("tempo and bars must come before the first note");
        const std::string& word = words[index];
        size_t colon = word.find(':');
        double bar = 0.0, beat = 0.0;
        if (colon == std::string::npos || !ParseNumber(word.substr(0, colon), bar) ||
            !ParseNumber(word.substr(colon + 1), beat) || bar != std::floor(bar))
            return Fail("'" + word + "' is not a position bar:beat");
        if (bar < 1 || bar > score.bars || beat < 1.0 || beat >= score.meter + 1.0)
            return Fail("position '" + word + "' lies outside the " + std::to_string(score.bars) +
                        " bars of " + std::to_string(score.meter) + " beats");
        start = (bar - 1.0) * score.meter + (beat - 1.0);
        return true;
    }

    bool Velocity(const std::string& word, float& velocity)
    {
        double value = 0.0;
        if (!ParseNumber(word.substr(1), value) || value < 0.0 || value > 4.0)
            return Fail("velocity '" + word + "' must be @ and a number from 0 to 4");
        velocity = static_cast<float>(value);
        return true;
    }

    // Where the next note of a chord or sequence line goes.
    struct Cursor {
        bool isSequence;
        Instrument instrument = Instrument::Pad;
        double start = 0.0;
        double beats = 0.0;
        float velocity = 1.0f;
        bool held = false;  // whether '_' may extend the last note
    };

    bool Notes(bool isSequence)
    {
        Cursor at{isSequence};
        if (!Count(5, 10000, isSequence ? "seq <bar:beat> <instrument> <step beats> <notes, _ or ->..."
                                        : "chord <bar:beat> <instrument> <beats> <notes>..."))
            return false;
        if (!Position(1, at.start) || !InstrumentAt(2, at.instrument) || !Number(3, 1.0 / 64.0, 256.0, at.beats))
            return false;
        for (size_t i = 4; i < words.size(); ++i)
            if (!NoteWord(words[i], at)) return false;
        return true;
    }

    bool NoteWord(const std::string& word, Cursor& at)
    {
        int midi = 0;
        if (word[0] == '@') return Velocity(word, at.velocity);
        if (at.isSequence && word == "-") {
            at.held = false;
        } else if (at.isSequence && word == "_") {
            if (!at.held) return Fail("'_' has no note before it to hold");
            score.notes.back().beats += at.beats;
        } else if (ParseNoteName(word, midi)) {
            if (at.start >= score.LengthBeats()) return Fail("'" + word + "' starts after the last bar");
            score.notes.push_back({at.instrument, at.start, at.beats, midi, at.velocity});
            at.held = true;
        } else {
            return Fail("'" + word + "' is not a note" + (at.isSequence ? ", '_' or '-'" : ""));
        }
        if (at.isSequence) at.start += at.beats;
        return true;
    }

    const std::string& fileName;
    Score& score;
    int number = 0;
    std::vector<std::string> words;
};

} // namespace

bool ParseScore(const std::string& text, const std::string& fileName, Score& score, std::string& error)
{
    score = Score();
    ScoreReader reader(fileName, score);
    for (const SourceLine& line : SplitSource(text))
        if (!reader.Line(line)) {
            error = reader.error;
            return false;
        }
    if (!reader.Finish()) {
        error = reader.error;
        return false;
    }
    return true;
}

} // namespace soundgen

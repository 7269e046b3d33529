#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include "Effects.h"
#include "ScoreParser.h"
#include "SoundReading.h"
#include "support/TempDir.h"

using namespace soundgen;

namespace {

const std::string HEADER = "tempo 120\nmeter 4\nbars 2\n";

Score Parse(const std::string& text)
{
    Score score;
    std::string error;
    EXPECT_TRUE(ParseScore(text, "t.score", score, error)) << error;
    return score;
}

std::string ErrorOf(const std::string& text)
{
    Score score;
    std::string error;
    EXPECT_FALSE(ParseScore(text, "t.score", score, error)) << text;
    return error;
}

} // namespace

TEST(ScoreParser, NoteNamesCountSemitonesFromMiddleC)
{
    int midi = 0;
    EXPECT_TRUE(ParseNoteName("C4", midi)); EXPECT_EQ(midi, 60);
    EXPECT_TRUE(ParseNoteName("A4", midi)); EXPECT_EQ(midi, 69);
    EXPECT_TRUE(ParseNoteName("G#3", midi)); EXPECT_EQ(midi, 56);
    EXPECT_TRUE(ParseNoteName("Bb1", midi)); EXPECT_EQ(midi, 34);
    EXPECT_TRUE(ParseNoteName("C-1", midi)); EXPECT_EQ(midi, 0);
    for (const char* bad : {"H4", "C", "C#", "c4", "C10", "Cb-1", "C4x", "E#"})
        EXPECT_FALSE(ParseNoteName(bad, midi)) << bad;
    EXPECT_NEAR(MidiToHz(69), 440.0, 1e-9);
    EXPECT_NEAR(MidiToHz(57), 220.0, 1e-9);
}

TEST(ScoreParser, SequencesStepHoldRestAndCarryVelocity)
{
    Score score = Parse(HEADER + "seq 1:2.5 bell 0.5 E5 _ _ - G#5 @0.25 A5 _ # a comment\n");
    ASSERT_EQ(score.notes.size(), 3u);
    const ScoreNote& e = score.notes[0];
    EXPECT_EQ(e.instrument, Instrument::Bell);
    EXPECT_DOUBLE_EQ(e.start, 1.5);
    EXPECT_DOUBLE_EQ(e.beats, 1.5);   // held over two more steps
    EXPECT_EQ(e.velocity, 1.0f);
    EXPECT_DOUBLE_EQ(score.notes[1].start, 3.5);  // after the rest
    EXPECT_EQ(score.notes[1].midi, 80);
    EXPECT_DOUBLE_EQ(score.notes[2].start, 4.0);
    EXPECT_DOUBLE_EQ(score.notes[2].beats, 1.0);
    EXPECT_EQ(score.notes[2].velocity, 0.25f);
    EXPECT_DOUBLE_EQ(score.LengthSeconds(), 4.0);
}

TEST(ScoreParser, ChordsStartTogetherAndMixSettingsReachTheirInstrument)
{
    Score score = Parse(HEADER + "gain pad 0.3\npan pluck -0.5\necho bell 0.75 0.4\n"
                        "chord 2:1 pad 4 G3 B3 D4\n");
    ASSERT_EQ(score.notes.size(), 3u);
    for (const ScoreNote& n : score.notes) {
        EXPECT_DOUBLE_EQ(n.start, 4.0);
        EXPECT_DOUBLE_EQ(n.beats, 4.0);
    }
    EXPECT_EQ(score.mix[0].gain, 0.3f);
    EXPECT_EQ(score.mix[1].pan, -0.5f);
    EXPECT_DOUBLE_EQ(score.mix[2].echoBeats, 0.75);
    EXPECT_EQ(score.mix[2].echoLevel, 0.4f);
    EXPECT_EQ(score.mix[2].gain, 1.0f);
}

TEST(ScoreParser, BadLinesNameTheFileLineAndProblem)
{
    struct Case { std::string text, expected; };
    const Case cases[] = {
        {HEADER + "chord 1:1 drum 1 C4", "t.score:4: unknown instrument 'drum'"},
        {HEADER + "chord 1:1 pad 1 H4", "t.score:4: 'H4' is not a note"},
        {HEADER + "seq 1:1 bell 1 _ C4", "t.score:4: '_' has no note before it"},
        {HEADER + "seq 1:1 bell 1 C4 - _", "t.score:4: '_' has no note before it"},
        {HEADER + "chord 3:1 pad 1 C4", "t.score:4: position '3:1' lies outside"},
        {HEADER + "chord 1:5 pad 1 C4", "t.score:4: position '1:5' lies outside"},
        {HEADER + "chord 1 pad 1 C4", "t.score:4: '1' is not a position"},
        {HEADER + "seq 2:1 bell 1 C4 D4 E4 F4 G4", "t.score:4: 'G4' starts after the last bar"},
        {HEADER + "chord 1:1 pad 0 C4", "t.score:4: '0' must lie between"},
        {HEADER + "chord 1:1 pad 1 C4 @loud", "t.score:4: velocity '@loud'"},
        {HEADER + "chord 1:1 pad 1", "t.score:4: expected 'chord"},
        {HEADER + "tempo fast", "t.score:4: 'fast' is not a number"},
        {HEADER + "tempo 120 4", "t.score:4: expected 'tempo"},
        {HEADER + "pan bell 2", "t.score:4: '2' must lie between -1 and 1"},
        {HEADER + "chord 1:1 pad 1 C4\nbars 4", "t.score:5: 'bars' must come before the first note"},
        {HEADER + "bars 2.5", "t.score:4: '2.5' must be a whole number"},
        {HEADER + "play C4", "t.score:4: unknown command 'play'"},
        {"chord 1:1 pad 1 C4", "t.score:1: tempo and bars must come before the first note"},
        {"tempo 90\n", "t.score: the score gives no bars"},
        {"bars 4\n", "t.score: the score gives no tempo"},
    };
    for (const Case& c : cases) {
        std::string error = ErrorOf(c.text);
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << "got: " << error << "\nwanted: " << c.expected;
    }
}

TEST(ParamFile, ReadsKnownKeysAndRejectsEverythingElseByLine)
{
    FlameParams flame;
    std::string error;
    ASSERT_TRUE(ReadFlameParams("# fire\nduration 0.5\n\ncrackle_rate 10 # fewer\n", "f.txt", flame, error)) << error;
    EXPECT_EQ(flame.duration, 0.5f);
    EXPECT_EQ(flame.crackleRate, 10.0f);
    EXPECT_EQ(flame.attack, FlameParams().attack);

    const std::pair<std::string, std::string> bad[] = {
        {"durations 1", "f.txt:1: unknown parameter 'durations'"},
        {"\nduration", "f.txt:2: 'duration' takes exactly one number"},
        {"duration 1 2", "f.txt:1: 'duration' takes exactly one number"},
        {"duration 1s", "f.txt:1: '1s' is not a number"},
        {"duration nan", "f.txt:1: 'nan' is not a number"},
        {"duration 0", "f.txt:1: 'duration' must lie between"},
        {"duration 1\nduration 1", "f.txt:2: 'duration' is given twice"},
    };
    for (const auto& [text, expected] : bad) {
        FlameParams p;
        EXPECT_FALSE(ReadFlameParams(text, "f.txt", p, error)) << text;
        EXPECT_EQ(error.rfind(expected, 0), 0u) << "got: " << error;
    }
    ShatterParams shatter;
    EXPECT_FALSE(ReadShatterParams("low_freq 5000\nhigh_freq 3000\n", "s.txt", shatter, error));
    EXPECT_NE(error.find("must not exceed"), std::string::npos) << error;
}

// A bad source stops the build with the message and a failing exit code,
// and writes nothing into the data directory.
TEST(SoundgenTool, BadScoreFailsTheBuildAndWritesNothing)
{
    TempDir dir;
    for (const char* name : {"flame.txt", "shatter.txt"})
        std::filesystem::copy_file(std::string(SOUND_SOURCE_DIR) + "/" + name, dir.File(name));
    dir.Write("music.score", "tempo 96\nbars 2\nchord 1:1 organ 4 C4\n");
    std::string command = std::string("\"") + SOUNDGEN_EXE + "\" \"" + dir.Path().string() + "\" \"" +
                          dir.File("data") + "\" 2> \"" + dir.File("err.txt") + "\"";
    int status = std::system(command.c_str());
    EXPECT_NE(status, 0);
    std::string message = ReadWholeFile(dir.File("err.txt"));
    EXPECT_NE(message.find("music.score:3: unknown instrument 'organ'"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(dir.File("data")));
}

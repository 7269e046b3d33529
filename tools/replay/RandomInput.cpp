#include "RandomInput.h"
#include <algorithm>
#include <sstream>

namespace {

// splitmix64: small, and the same on every system and compiler.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from low to high, both included.
    uint32_t Between(uint32_t low, uint32_t high) { return low + static_cast<uint32_t>(Next() % (high - low + 1)); }
    bool Chance(uint32_t percent) { return Between(1, 100) <= percent; }

private:
    uint64_t state;
};

constexpr uint32_t KEY_ESCAPE = 27;
constexpr uint32_t KEY_F11 = 122;

// Names typed at the prompts: levels that exist, new ones, ones in a
// folder that is not there, and ones the game must refuse.
const char* const NAMES[] = {"lev1.dat", "lev2.dat", "lev3.dat", "soak.dat", "soak2.dat", "none/x.dat",
                             "../up.dat", "../../../../x.dat", "/abs.dat", " ", "save.dat", "lev1.dat "};

class ScriptWriter {
public:
    ScriptWriter(uint64_t seed, uint32_t frames) : random(seed), seed(seed), frames(frames) {}

    std::string Write()
    {
        out << "# random input, seed " << seed << ", " << frames << " frames\n";
        for (uint32_t frame = random.Between(1, 20); frame < frames; frame += random.Between(1, 30))
            Action(frame);
        return out.str();
    }

private:
    void Line(uint32_t frame, const std::string& text)
    {
        if (frame < frames) out << frame << " " << text << "\n";
    }
    void Tap(uint32_t frame, uint32_t key) { Line(frame, "hold " + std::to_string(key) + " 1"); }
    // A hold ends by the last frame, like every other event.
    void Hold(uint32_t frame, uint32_t key, uint32_t length)
    {
        if (frame + 1 < frames)
            Line(frame, "hold " + std::to_string(key) + " " + std::to_string(std::min(length, frames - 1 - frame)));
    }
    std::string Point() { return std::to_string(random.Between(0, 799)) + " " + std::to_string(random.Between(0, 599)); }

    // Most often the line is cleared first; otherwise the name is typed
    // into what is left of the offered text.
    void TypeName(uint32_t frame)
    {
        Line(frame, "type " + std::string(random.Chance(75) ? 40 : random.Between(0, 40), '\b'));
        std::string name;
        if (random.Chance(80)) {
            name = NAMES[random.Between(0, sizeof NAMES / sizeof NAMES[0] - 1)];
        } else {
            for (uint32_t n = random.Between(0, 45); n > 0; --n) name += static_cast<char>(random.Between(32, 126));
        }
        if (!name.empty()) Line(frame + 1, "type " + name);
        if (random.Chance(85)) Tap(frame + 2, 13);
    }

    // Weights out of 100. Prompts stay open until Enter, so Enter, names
    // and P (back to play) come often enough that most time is play.
    void Action(uint32_t frame)
    {
        uint32_t pick = random.Between(0, 99);
        if (pick < 30) {
            Hold(frame, random.Between(37, 40), random.Between(2, 120));           // walk
        } else if (pick < 35) {
            Tap(frame, 'F');
        } else if (pick < 39) {
            Tap(frame, 'D');
        } else if (pick < 41) {
            Hold(frame, 'F', random.Between(2, 60));
        } else if (pick < 43) {
            Tap(frame, 'N');
        } else if (pick < 45) {
            Tap(frame, 'S');
        } else if (pick < 49) {
            Tap(frame, 'P');
        } else if (pick < 51) {
            Tap(frame, 'E');
        } else if (pick < 52) {
            Tap(frame, 'C');
        } else if (pick < 53) {
            Tap(frame, 'M');
        } else if (pick < 54) {
            Tap(frame, KEY_F11);
        } else if (pick < 64) {
            // Clicks: a third of them in the palette strip at the bottom.
            uint32_t y = random.Chance(33) ? random.Between(536, 599) : random.Between(0, 599);
            Line(frame, "click left " + std::to_string(random.Between(0, 799)) + " " + std::to_string(y));
        } else if (pick < 67) {
            Line(frame, "click right " + Point());
        } else if (pick < 69) {
            Line(frame, "move " + Point());
        } else if (pick < 72) {
            Tap(frame, 46);                                                        // Delete
        } else if (pick < 80) {
            TypeName(frame);
        } else if (pick < 86) {
            Tap(frame, 13);                                                        // Enter
        } else if (pick < 88) {
            Tap(frame, 32);                                                        // Space
        } else if (pick < 91) {
            Tap(frame, random.Chance(50) ? 45 : random.Between(35, 40));           // Insert, Home, End, arrows
        } else if (pick < 94) {
            uint32_t key = random.Between(1, 255);
            if (key != KEY_ESCAPE) Tap(frame, key);
        } else if (pick < 96) {
            Line(frame, "char " + std::to_string(random.Between(1, 255)));
        } else if (pick < 98) {
            Line(frame, "deactivate");
            Line(frame + random.Between(1, 50), "activate");
        } else {
            Line(frame, "minimize");
            Line(frame + random.Between(1, 50), "restore");
        }
    }

    Random random;
    uint64_t seed;
    uint32_t frames;
    std::ostringstream out;
};

} // namespace

std::string RandomReplayScript(uint64_t seed, uint32_t frames) { return ScriptWriter(seed, frames).Write(); }

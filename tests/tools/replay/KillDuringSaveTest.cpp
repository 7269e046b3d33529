// Saves survive SIGKILL. The replay tool, running the whole game, saves a
// large level and the save file over and over while it is killed at random
// moments. After every kill each file must be whole, old or new; the
// designer's own level named like a temporary ("big.dat.tmp") must be
// untouched; and the temporaries of killed saves must not pile up.
//
// VELKAMIRE_KILLS sets the number of kills (default 30) and
// VELKAMIRE_KILL_SEED the random seed, for a longer or a repeated run.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstring>
#include <random>
#include <sstream>
#include <thread>
#include "ReplayRun.h"
#include "levels/AtomicFile.h"
#include "resources/WholeFile.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t FLOOR_TYPE = 0;
constexpr uint32_t BLOCK_TYPE = 3;
constexpr int FLOOR_COUNT = 5000;
constexpr float FLOOR_XY = -200.0f;
constexpr int POSITIONS = 20;
constexpr float BLOCK_Y = 316.0f;
constexpr size_t RECORD_SIZE = 12;
const std::string OLD_SAVE = "big.dat\nfrom before the run";
const std::string DESIGNERS_LEVEL = "the designer's own level";

float BlockX(int position) { return 64.0f + 32.0f * position; }

std::string Record(uint32_t type, float x, float y)
{
    std::string r(RECORD_SIZE, '\0');
    std::memcpy(&r[0], &type, 4);
    std::memcpy(&r[4], &x, 4);
    std::memcpy(&r[8], &y, 4);
    return r;
}

// Many floors out of sight, and one block in a row of the screen.
std::string BigLevel(int position)
{
    std::string bytes;
    for (int i = 0; i < FLOOR_COUNT; ++i) bytes += Record(FLOOR_TYPE, FLOOR_XY, FLOOR_XY);
    return bytes + Record(BLOCK_TYPE, BlockX(position), BLOCK_Y);
}

// Where the block stands in a whole level, or -1 when the bytes are not a
// whole level (cut short, or with records lost or doubled).
int BlockPosition(const std::string& bytes)
{
    if (bytes.size() != (FLOOR_COUNT + 1) * RECORD_SIZE) return -1;
    int floors = 0;
    int position = -1;
    for (size_t at = 0; at < bytes.size(); at += RECORD_SIZE) {
        std::string r = bytes.substr(at, RECORD_SIZE);
        if (r == Record(FLOOR_TYPE, FLOOR_XY, FLOOR_XY)) {
            ++floors;
            continue;
        }
        int found = -1;
        for (int p = 0; p < POSITIONS; ++p)
            if (r == Record(BLOCK_TYPE, BlockX(p), BLOCK_Y)) found = p;
        if (found < 0 || position >= 0) return -1;
        position = found;
    }
    return floors == FLOOR_COUNT ? position : -1;
}

// Opens the editor on big.dat, then moves the block one place to the right
// and saves, again and again; every fifth save it goes to play, saves the
// game (save.dat) and comes back.
std::string SavingScript()
{
    std::ostringstream s;
    int f = 1;
    auto tap = [&](int key) {
        s << f << " key " << key << "\n" << f << " keyup " << key << "\n";
        f += 2;
    };
    auto click = [&](int position) { s << f++ << " click left " << BlockX(position) << " " << 600 - BLOCK_Y << "\n"; };
    tap('E');
    tap(13);
    for (int p = 0; p + 1 < POSITIONS; ++p) {
        click(p);
        click(p + 1);
        tap('S');
        tap(13);
        if (p % 5 != 4) continue;
        tap('P');
        tap('S');
        tap('E');
        tap(13);
    }
    return s.str();
}

class KillDuringSave : public ReplayRun {
protected:
    fs::path Levels() const { return dir / "data" / "Data" / "Levels"; }
    std::string Read(const std::string& name) const { return ReadWholeFile((Levels() / name).string()); }

    void ResetFiles() const
    {
        std::ofstream(Levels() / "big.dat", std::ios::binary) << BigLevel(0);
        std::ofstream(Levels() / "save.dat", std::ios::binary) << OLD_SAVE;
    }

    pid_t Start() const
    {
        pid_t pid = ::fork();
        if (pid != 0) return pid;
        std::string data = (dir / "data").string();
        std::string script = (dir / "script.txt").string();
        FILE* quiet = std::freopen("/dev/null", "w", stderr);
        (void)quiet;
        ::execl(REPLAY_TOOL, REPLAY_TOOL, "--data", data.c_str(), script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }

    // Temporaries left in the level folder, for each of the two files.
    size_t Leftovers(const std::string& target) const
    {
        size_t n = 0;
        for (const auto& entry : fs::directory_iterator(Levels()))
            if (IsTemporaryOf(entry.path().filename().string(), target)) ++n;
        return n;
    }

    void CheckFiles(const std::string& when) const
    {
        EXPECT_EQ(Read("big.dat.tmp"), DESIGNERS_LEVEL) << when;
        EXPECT_GE(BlockPosition(Read("big.dat")), 0) << when << ": big.dat is not whole";
        std::string save = Read("save.dat");
        EXPECT_TRUE(save == OLD_SAVE || save == "big.dat") << when << ": save.dat holds \"" << save << "\"";
        EXPECT_LE(Leftovers("big.dat"), 1u) << when;
        EXPECT_LE(Leftovers("save.dat"), 1u) << when;
    }
};

int EnvInt(const char* name, int fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

TEST_F(KillDuringSave, EveryKillLeavesEachFileOldOrNewAndWhole)
{
    std::ofstream(dir / "script.txt") << SavingScript();
    std::ofstream(Levels() / "big.dat.tmp") << DESIGNERS_LEVEL;
    ResetFiles();

    // One whole run: how long it takes, and that it ends where it should.
    auto begun = Clock::now();
    int status = 0;
    ::waitpid(Start(), &status, 0);
    double runSeconds = std::chrono::duration<double>(Clock::now() - begun).count();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(BlockPosition(Read("big.dat")), POSITIONS - 1);
    EXPECT_EQ(Read("save.dat"), "big.dat");
    EXPECT_EQ(Read("big.dat.tmp"), DESIGNERS_LEVEL);
    EXPECT_EQ(Leftovers("big.dat") + Leftovers("save.dat"), 0u);

    unsigned seed = static_cast<unsigned>(EnvInt("VELKAMIRE_KILL_SEED", static_cast<int>(std::random_device{}())));
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> moment(0.0, runSeconds);
    int kills = EnvInt("VELKAMIRE_KILLS", 30);
    int oldLevel = 0, newLevel = 0, oldSave = 0, newSave = 0, midSave = 0, finished = 0;
    for (int k = 0; k < kills && !HasFailure(); ++k) {
        ResetFiles();
        pid_t pid = Start();
        std::this_thread::sleep_for(std::chrono::duration<double>(moment(random)));
        bool killed = ::kill(pid, SIGKILL) == 0;
        ::waitpid(pid, &status, 0);
        killed = killed && WIFSIGNALED(status);
        finished += killed ? 0 : 1;
        std::string when = "kill " + std::to_string(k) + " (seed " + std::to_string(seed) + ")";
        CheckFiles(when);
        (BlockPosition(Read("big.dat")) == 0 ? oldLevel : newLevel) += 1;
        (Read("save.dat") == OLD_SAVE ? oldSave : newSave) += 1;
        if (Leftovers("big.dat") + Leftovers("save.dat") > 0) ++midSave;
    }
    std::printf("%d kills in runs of %.2f s (seed %u): big.dat old %d, new %d; save.dat old %d, new %d; "
                "killed mid-save (a temporary left) %d; finished before the kill %d\n",
                kills, runSeconds, seed, oldLevel, newLevel, oldSave, newSave, midSave, finished);

    // The next save clears what the kills left.
    ResetFiles();
    ::waitpid(Start(), &status, 0);
    EXPECT_EQ(Leftovers("big.dat") + Leftovers("save.dat"), 0u);
    EXPECT_EQ(Read("big.dat.tmp"), DESIGNERS_LEVEL);
}

}  // namespace

#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include "SourceCompiler.h"

namespace fs = std::filesystem;

// Runs the replay tool on a copy of the game's data directory, so that
// runs which save cannot touch the build's data.
class ReplayRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("velkamire-replay-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy(VELKAMIRE_DATA_DIR, dir / "data", fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(dir); }

    int Run(const std::string& script, const std::string& args)
    {
        std::ofstream(dir / "script.txt") << script;
        std::string command = std::string(REPLAY_TOOL) + " --data " + (dir / "data").string() + " --trace " +
                              (dir / "trace.jsonl").string() + " " + args + " " + (dir / "script.txt").string() +
                              " 2>" + (dir / "stderr.txt").string();
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Compiles a level source into the copied data directory under `name`
    // and makes it the level the game starts with.
    void UseLevel(const std::string& name, const std::string& source)
    {
        std::string bytes;
        std::vector<std::string> errors;
        ASSERT_TRUE(levelc::CompileSource(source, name, bytes, errors)) << (errors.empty() ? "" : errors[0]);
        std::ofstream(dir / "data/Data/Levels" / name, std::ios::binary) << bytes;
        std::ofstream(dir / "data/Data/Levels/save.dat") << name;
    }
    std::vector<std::string> Trace() const
    {
        std::ifstream in(dir / "trace.jsonl");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    fs::path dir;
};

inline bool Has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

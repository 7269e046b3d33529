#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include "support/PngPixels.h"

namespace {

namespace fs = std::filesystem;

const fs::path SOURCE_DIR = VELKAMIRE_SOURCE_DIR;
const fs::path REFERENCES = SOURCE_DIR / "assets/levels/pictures";

std::vector<std::string> ShippedLevels()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(SOURCE_DIR / "assets/levels")) {
        std::string name = entry.path().stem().string();
        if (entry.path().extension() == ".lvl" && name.rfind("lev", 0) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every shipped level, drawn now, is its reference picture to the pixel:
// drawing may be made faster, never different. The pictures are taken by
// the same script that makes the references; they stay in the build's
// tests folder for a look when they differ.
TEST(LevelPictures, EveryShippedLevelLooksLikeItsReferencePicture)
{
    fs::path taken = fs::path(VELKAMIRE_BINARY_DIR) / "tests/level-pictures";
    fs::remove_all(taken);
    std::string command = "bash " + (SOURCE_DIR / "scripts/level-pictures.sh").string() + " " +
                          VELKAMIRE_BINARY_DIR + " " + taken.string();
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;

    std::vector<std::string> levels = ShippedLevels();
    ASSERT_FALSE(levels.empty());
    for (const std::string& name : levels) {
        fs::path reference = REFERENCES / (name + ".png");
        fs::path picture = taken / (name + ".png");
        if (!fs::exists(reference)) {
            ADD_FAILURE() << name << " has no reference picture " << reference.string()
                          << ": make it with `make level-pictures NAMES=" << name
                          << "`, look at it and commit it";
            continue;
        }
        long differing = DifferingPixels(ReadPng(reference.string()), ReadPng(picture.string()));
        EXPECT_EQ(differing, 0) << name << " is drawn differently from " << reference.string() << " (see "
                                << picture.string() << "; -1: another size or unreadable). If the level was "
                                << "changed on purpose, make its picture again with `make level-pictures NAMES="
                                << name << "`";
    }
}

}  // namespace

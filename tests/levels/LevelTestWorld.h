#pragma once
#include <gtest/gtest.h>
#include <filesystem>
#include <memory>
#include <string>
#include "levels/LevelManager.h"
#include "objects/BaseObjectFactory.h"
#include "objects/BaseObjectMan.h"
#include "objects/ProbeObject.h"
#include "resources/WholeFile.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"
#include "text/Font.h"
#include "text/TextStream.h"

// Makes Probe objects of one type; the type is one the game has no maker
// for, so that tests never replace the game's own makers.
class ProbeMaker : public BaseObjectFactory {
public:
    explicit ProbeMaker(ObjectType type, ProbeKind kind = ProbeKind());
    void create(float x, float y, LevelManager* levman, std::istream* in) override;
    static int made;

private:
    ProbeKind kind;
};

// A level manager running in a fresh working directory with an empty
// Data/Levels folder and an empty world.
class LevelTestWorld : public ::testing::Test {
protected:
    LevelTestWorld();
    ~LevelTestWorld() override;

    std::string LevelPath(const std::string& name) const;
    void WriteLevel(const std::string& name, const std::string& bytes) const;
    std::vector<std::string> Boxes() const { return platform.Boxes(); }
    // Live objects that are (or are not) palette tools.
    size_t CountObjects(bool tools) const;
    // One 12-byte record: type, x, y little-endian.
    static std::string Record(uint32_t type, float x, float y);

    ScopedHeadlessPlatform platform;
    TempDir dir;
    std::filesystem::path previous;
    BaseObjectMan man;
    stext::Font font{2, 16.0f};
    stext::TextStream stream{&font};
    std::unique_ptr<LevelManager> level;
    ProbeMaker probes{LASER_TYPE};
};

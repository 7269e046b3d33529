#include "LevelTestWorld.h"
#include <cstring>
#include <fstream>

int ProbeMaker::made = 0;

ProbeMaker::ProbeMaker(ObjectType type, ProbeKind kind) : BaseObjectFactory(type), kind(kind)
{
    this->kind.type = type;
}

void ProbeMaker::create(float x, float y, LevelManager*, std::istream*)
{
    ++made;
    new Probe("made", x, y, kind);
}

LevelTestWorld::LevelTestWorld()
{
    previous = std::filesystem::current_path();
    std::filesystem::create_directories(dir.Path() / "Data/Levels");
    std::filesystem::current_path(dir.Path());
    man.deleteAll();
    ProbeMaker::made = 0;
    level = std::make_unique<LevelManager>(&stream);
}

LevelTestWorld::~LevelTestWorld()
{
    man.deleteAll();
    level.reset();
    std::filesystem::current_path(previous);
}

std::string LevelTestWorld::LevelPath(const std::string& name) const
{
    return (dir.Path() / "Data/Levels" / name).string();
}

void LevelTestWorld::WriteLevel(const std::string& name, const std::string& bytes) const
{
    std::ofstream(LevelPath(name), std::ios::binary) << bytes;
}

size_t LevelTestWorld::CountObjects(bool tools) const
{
    size_t n = 0;
    man.forEach([&](BaseObject* o) {
        if (!o->isDead() && o->isTool() == tools) ++n;
    });
    return n;
}

std::string LevelTestWorld::Record(uint32_t type, float x, float y)
{
    std::string r(12, '\0');
    uint32_t bx, by;
    std::memcpy(&bx, &x, 4);
    std::memcpy(&by, &y, 4);
    for (int i = 0; i < 4; ++i) {
        r[i] = char(type >> (8 * i));
        r[4 + i] = char(bx >> (8 * i));
        r[8 + i] = char(by >> (8 * i));
    }
    return r;
}

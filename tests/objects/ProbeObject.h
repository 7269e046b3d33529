#pragma once
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "objects/BaseObjectMan.h"

struct ProbeKind {
    ObjectType type = BLOCK_TYPE;
    int32_t layer = 2;
    bool moving = true;  // not static: starts collision tests
    bool solid = true;
    float size = 32.0f;
};

// A world object for tests: it logs every call as "update A", "collide A B"
// or "draw A" and runs the hooks a test gives it.
class Probe : public BaseObject {
public:
    Probe(std::string name, float x, float y, ProbeKind kind = ProbeKind())
        : BaseObject(x, y, kind.size, kind.size, kind.layer), name(std::move(name)), kind(kind) {}
    ~Probe() override { if (onDestroy) onDestroy(); }

    static std::vector<std::string>& Log();
    static std::string NameOf(const BaseObject* o);

    ObjectType getType() const override { return kind.type; }
    void save(std::ostream& out) override;
    void draw() override { Log().push_back("draw " + name); }
    void update(float, const KeyState*) override;
    void collide(BaseObject* other) override;
    bool isDead() const override { return dead; }
    bool isStatic() const override { return !kind.moving; }
    bool isSolid() const override { return kind.solid; }
    void kill() override { dead = true; }

    // Moves and resizes the probe, as an object moves itself.
    void place(float newX, float newY, float newWidth, float newHeight)
    {
        x = newX;
        y = newY;
        width = newWidth;
        height = newHeight;
    }

    std::function<void()> onUpdate;
    std::function<void(BaseObject*)> onCollide;
    std::function<void()> onDestroy;
    std::string payload;  // what save writes after the common record

private:
    std::string name;
    ProbeKind kind;
    bool dead = false;
};

// Starts and ends every test with an empty world.
class ObjectListTest : public ::testing::Test {
protected:
    void SetUp() override { man.deleteAll(); Probe::Log().clear(); }
    void TearDown() override { man.deleteAll(); }

    // The names of the objects in list order.
    std::vector<std::string> Names()
    {
        std::vector<std::string> out;
        man.forEach([&](BaseObject* o) { out.push_back(Probe::NameOf(o)); });
        return out;
    }

    BaseObjectMan man;
};

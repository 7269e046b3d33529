#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include "objects/ProbeObject.h"

namespace {

using Lines = std::vector<std::string>;

// A step as the object manager took it before it kept a grid: every walk
// goes through the whole list, from its last object at the walk's start
// back to its first. The grid must change nothing of what happens.
bool Overlap(const BaseObject& a, const BaseObject& b)
{
    auto [ax, ay] = a.getPosition();
    auto [bx, by] = b.getPosition();
    return std::fabs(ax - bx) < (a.getWidth() + b.getWidth()) * 0.5f &&
           std::fabs(ay - by) < (a.getHeight() + b.getHeight()) * 0.5f;
}

std::vector<BaseObject*> Snapshot(const BaseObjectMan& man)
{
    std::vector<BaseObject*> all;
    man.forEach([&](BaseObject* o) { all.push_back(o); });
    return all;
}

void WholeListStep(BaseObjectMan& man)
{
    std::vector<BaseObject*> outer = Snapshot(man);
    for (auto o = outer.rbegin(); o != outer.rend(); ++o) {
        BaseObject* mover = *o;
        if (!mover->isDead() && !mover->isFrozen()) mover->update(0.01f, nullptr);
        if (mover->isDead() || mover->isStatic() || !mover->isSolid() || mover->isFrozen()) continue;
        std::vector<BaseObject*> inner = Snapshot(man);
        for (auto p = inner.rbegin(); p != inner.rend() && !mover->isDead(); ++p) {
            BaseObject* other = *p;
            if (other != mover && !other->isDead() && other->isSolid() && !other->isFrozen() &&
                Overlap(*mover, *other)) {
                mover->collide(other);
                other->collide(mover);
            }
        }
    }
}

// A busy world of probes that move, jump far off and back, grow, die,
// freeze each other and make new probes, all decided by one seeded random
// stream, so that two runs take the same course exactly as long as every
// call reaches the same objects in the same order.
class BusyWorld {
public:
    BusyWorld(BaseObjectMan& man, unsigned seed) : man(man), random(seed)
    {
        for (int i = 0; i < 260; ++i) Make(Anywhere(), Anywhere());
    }

    Lines Run(bool wholeList, int steps)
    {
        Probe::Log().clear();
        for (int step = 0; step < steps; ++step) {
            if (wholeList) WholeListStep(man);
            else man.updateAll(0.01f, nullptr);
            if (step % 7 == 3) man.drawAll();  // reorders the list
            if (step % 5 == 4) man.removeDead();
        }
        return Probe::Log();
    }

private:
    bool Chance(int percent) { return int(random() % 100) < percent; }
    float Step() { return float(int(random() % 33) - 16); }
    // Mostly on the screen, on a lattice that makes boxes meet; now and
    // then far out of it, or nowhere at all.
    float Anywhere()
    {
        int pick = int(random() % 100);
        if (pick < 3) return std::numeric_limits<float>::quiet_NaN();
        if (pick < 8) return float(int(random() % 20000) - 10000);
        return float(int(random() % 50) * 16);
    }
    ProbeKind Kind()
    {
        ProbeKind kind;
        kind.moving = Chance(40);
        kind.solid = Chance(85);
        kind.layer = int32_t(random() % 4);
        kind.size = Chance(5) ? float(random() % 900) : Chance(10) ? -8.0f : 32.0f;
        return kind;
    }

    void Make(float x, float y)
    {
        auto* p = new Probe("p" + std::to_string(made++), x, y, Kind());
        bool feeler = Chance(6);
        p->onUpdate = [this, p, feeler] { Update(p, feeler); };
        p->onCollide = [this, p](BaseObject* other) { Collide(p, other); };
    }

    void Update(Probe* p, bool feeler)
    {
        auto [x, y] = p->getPosition();
        if (Chance(40)) p->place(x + Step(), y + Step(), p->getWidth(), p->getHeight());
        if (Chance(4)) p->place(Anywhere(), Anywhere(), p->getWidth(), p->getHeight());
        if (Chance(3)) p->place(x, y, p->getWidth() + Step(), p->getHeight() + Step());
        if (Chance(3)) Make(x + Step(), y + Step());
        if (Chance(1)) p->kill();
        if (feeler) man.collideWithAll(p);
    }

    void Collide(Probe* p, BaseObject* other)
    {
        auto [x, y] = p->getPosition();
        if (Chance(30)) p->place(x + 2 * Step(), y + 2 * Step(), p->getWidth(), p->getHeight());
        if (Chance(3)) other->kill();
        if (Chance(5)) other->freeze();
        if (Chance(5)) other->unfreeze();
        if (Chance(3)) Make(x + Step(), y + Step());
        if (Chance(1)) p->kill();
    }

    BaseObjectMan& man;
    std::mt19937 random;
    int made = 0;
};

using CollisionGridTest = ObjectListTest;

TEST_F(CollisionGridTest, AStepMeetsWhatAWalkOfTheWholeListMeets)
{
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        Lines expected = BusyWorld(man, seed).Run(true, 60);
        man.deleteAll();
        Lines got = BusyWorld(man, seed).Run(false, 60);
        man.deleteAll();
        long collisions = std::count_if(expected.begin(), expected.end(),
                                        [](const std::string& line) { return line.rfind("collide", 0) == 0; });
        ASSERT_GT(collisions, 3000) << "a busy world meets a lot";
        size_t same = 0;
        while (same < expected.size() && same < got.size() && expected[same] == got[same]) ++same;
        ASSERT_EQ(same, expected.size()) << "seed " << seed << ": first difference at call " << same << ": "
                                         << (same < got.size() ? got[same] : "(none)") << " instead of "
                                         << (same < expected.size() ? expected[same] : "(none)");
        EXPECT_EQ(got.size(), expected.size());
    }
}

TEST_F(CollisionGridTest, AnObjectMovedBetweenStepsIsMetWhereItIsNow)
{
    auto* mover = new Probe("mover", 100, 100);
    auto* wall = new Probe("wall", 700, 500, ProbeKind{WALL_TYPE, 2, false, true});
    man.updateAll(0.01f, nullptr);
    // The editor moves objects outside any step.
    wall->editAt(110, 100);
    Probe::Log().clear();
    man.updateAll(0.01f, nullptr);
    EXPECT_EQ(Probe::Log(), (Lines{"update wall", "update mover", "collide mover wall", "collide wall mover"}));
    (void)mover;
}

TEST_F(CollisionGridTest, AMoverPushedDuringItsWalkMeetsWhatItIsPushedInto)
{
    // Listed first, so met last in the mover's walk; far from where the
    // mover starts, near where its first contact pushes it.
    new Probe("far", 300, 100, ProbeKind{WALL_TYPE, 2, false, true});
    new Probe("near", 120, 100, ProbeKind{WALL_TYPE, 2, false, true});
    auto* mover = new Probe("mover", 100, 100);
    mover->onCollide = [mover](BaseObject*) {
        auto [x, y] = mover->getPosition();
        if (x < 200) mover->place(290, y, 32, 32);
    };
    Probe::Log().clear();
    man.updateAll(0.01f, nullptr);
    EXPECT_EQ(Probe::Log(), (Lines{"update mover", "collide mover near", "collide near mover", "collide mover far",
                                   "collide far mover", "update near", "update far"}));
}

}  // namespace

#pragma once
#include <cstdint>
#include <istream>
#include "objects/BaseObject.h"

class LevelManager;

// An on/off signal registered under an id with the level manager; other
// objects ask the level manager for the state of an id, never the switch.
class Switch : public BaseObject {
public:
    // With a level-file stream, the id and state are read from it;
    // without, the switch takes the lowest free id and starts off.
    Switch(float x, float y, float width, float height, int32_t drawLayer, LevelManager* levMan,
           std::istream* in);
    ~Switch() override;

    void save(std::ostream& out) override;
    // A palette switch drops a new one with a fresh id; a click on a placed
    // switch flips the state the level starts with; any other click moves it.
    void editAt(float px, float py) override;
    void traceState(std::ostream& out) const override;

    uint32_t getId() const { return id; }
    uint32_t getState() const { return state; }
    uint32_t setState(uint32_t s) { return state = s; }
    uint32_t toggle() { return state = state == 0 ? 1 : 0; }
    LevelManager* getLevMan() const { return levMan; }

protected:
    LevelManager* levMan;
    uint32_t state = 0;
    uint32_t id = 0;
};

#pragma once
#include <istream>
#include <string>
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

class LevelManager;

// The level's exit. A player standing exactly on it finishes the level,
// and the level named by targetFile comes next.
class Elevator : public BaseObject {
public:
    static constexpr const char* PROMPT_LABEL = "File to load upon reaching:";

    // With a level-file stream the target name is read from it; without
    // one (made in the editor) the elevator asks for it at once.
    Elevator(float x, float y, LevelManager* levman, std::istream* in);

    ObjectType getType() const override { return ELEVATOR_TYPE; }
    void save(std::ostream& out) override;
    void textEntered(const std::string& text) override { targetFile = text; }
    void draw() override;
    void collide(BaseObject* other) override;
    void editAt(float px, float py) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    const std::string& getTargetFile() const { return targetFile; }

private:
    void askForTarget();

    TextureHandle texture;
    std::string targetFile;
    LevelManager* levman;
    bool alive = true;
};

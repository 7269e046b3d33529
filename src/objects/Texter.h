#pragma once
#include <istream>
#include <string>
#include "objects/BaseObject.h"
#include "resources/TextureHandle.h"

class LevelManager;

// A sign that speaks: it holds a passage read from a speech file under
// Data/Speech/. A player standing next to it sees "Speak"; Space opens a
// panel with the passage and holds the player still until Space is
// pressed again. In the editor it asks for the name of its speech file.
class Texter : public BaseObject {
public:
    static constexpr const char* PROMPT_LABEL = "File containing text:";
    static constexpr float TALK_DISTANCE = 45.0f;
    static constexpr float LOCK_OUT = 0.5f;

    // With a level-file stream the speech file's name is read from it (and,
    // in play, the passage from the file); without one the Texter asks for
    // the name at once.
    Texter(float x, float y, LevelManager* levman, std::istream* in);
    // An open panel lets the player go with it.
    ~Texter() override;

    ObjectType getType() const override { return TEXT_TYPE; }
    void save(std::ostream& out) override;
    void textEntered(const std::string& answer) override { text = answer; }
    void draw() override;
    void update(float dt, const KeyState* keys) override;
    void editAt(float px, float py) override;
    bool isDead() const override { return !alive; }
    bool isStatic() const override { return true; }
    bool isSolid() const override { return true; }
    void kill() override { alive = false; }
    void traceState(std::ostream& out) const override;

    const std::string& getText() const { return text; }
    bool isShowing() const { return showing; }

private:
    void askForFile();
    void readPassage(const std::string& name);
    void drawPanel();

    std::string text;  // in play the passage, in the editor the file name
    TextureHandle sprite;
    TextureHandle box;
    float talkTimer = 0.0f;
    LevelManager* levelManager;
    bool showing = false;
    bool alive = true;
};

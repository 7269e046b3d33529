#include "objects/Texter.h"
#include <cmath>
#include <fstream>
#include <ostream>
#include "levels/LevelManager.h"
#include "objects/BinaryIo.h"
#include "objects/CountDown.h"
#include "objects/Player.h"
#include "objects/TraceJson.h"
#include "resources/ContainedName.h"
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"
#include "shell/Assertion.h"
#include "shell/KeyState.h"
#include "shell/Shell.h"
#include "shell/VirtualKeys.h"
#include "text/TextStream.h"

namespace {
constexpr float SIZE = 32.0f;
constexpr int32_t TEXTER_LAYER = 3;
constexpr uint32_t SPRITE_TEXTURE = 25;
constexpr uint32_t PANEL_TEXTURE = 18;
const std::string SPEECH_DIR = "Data/Speech/";
}

Texter::Texter(float x, float y, LevelManager* levman, std::istream* in)
    : BaseObject(x, y, SIZE, SIZE, TEXTER_LAYER), sprite(SPRITE_TEXTURE), box(PANEL_TEXTURE), levelManager(levman)
{
    if (!in) {
        askForFile();
        return;
    }
    std::string name = ReadName(*in);
    if (levelManager && levelManager->GetState() == STATE_EDITOR) text = name;
    else readPassage(name);
}

Texter::~Texter()
{
    if (!showing || !levelManager) return;
    // The level manager forgets a deleted player, so a player deleted in
    // the same clear-out is never touched.
    if (Player* p = levelManager->GetPlayer()) p->unfreeze();
}

// The level manager ignores the request while it builds the palette.
void Texter::askForFile()
{
    VK_ASSERT(levelManager != 0, "objects");
    levelManager->Prompt(PROMPT_LABEL, "", this);
}

// Every line, its carriage return dropped, followed by one line feed; a
// file that ends with a line feed gives one more, empty line. Names that
// would lead out of the speech folder are refused like missing files.
void Texter::readPassage(const std::string& name)
{
    std::ifstream file;
    if (IsContainedName(name)) file.open(SPEECH_DIR + name);
    if (!file.is_open()) {
        ErrorBox("Could not open speech file!");
        return;
    }
    std::string line;
    while (file.good()) {
        std::getline(file, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        text += line;
        text += '\n';
    }
}

void Texter::save(std::ostream& out) { WriteName(out, text); }

// Near the player it offers to speak; Space (held, not only pressed) opens
// or closes the panel, at most once every half second.
void Texter::update(float dt, const KeyState* keys)
{
    if (!alive || !levelManager) return;
    Player* p = levelManager->GetPlayer();
    if (!p) return;
    auto [px, py] = p->getPosition();
    if (std::hypot(px - x, py - y) >= TALK_DISTANCE) return;
    levelManager->SetHint("Speak");
    if (keys && keys->IsDown(VK_SPACE) && talkTimer == 0.0f) {
        talkTimer = LOCK_OUT;
        showing = !p->isFrozen();
        if (showing) p->freeze();
        else p->unfreeze();
        return;
    }
    if (talkTimer > 0.0f) CountDown(talkTimer, dt);
}

void Texter::draw()
{
    if (!alive) return;
    sprite.Bind();
    DrawQuad(x, y, width, height);
    if (showing) drawPanel();
}

// A panel along the bottom of the screen: the passage in red from its
// top-left corner, "Press Space" in yellow under it.
void Texter::drawPanel()
{
    GlCalls& gl = Gl();
    box.Bind();
    gl.color3f(0.0f, 0.0f, 0.0f);
    DrawTiledQuad(400, 50, 500, 100, 16);
    stext::TextStream& out = *levelManager->GetTextStream();
    out << stext::Pos(155, 95) << stext::Align(0, 0) << stext::Color(0xFF0000) << text;
    out << stext::Pos(400, 0) << stext::Align(1, 2) << stext::Color(0xFFFF00) << "Press Space" << stext::End;
    gl.color4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void Texter::editAt(float px, float py)
{
    editOrClick(px, py, levelManager, [this] { askForFile(); });
}

void Texter::traceState(std::ostream& out) const
{
    out << ",\"showing\":" << (showing ? "true" : "false") << ",\"text\":" << TraceJsonString(text);
}

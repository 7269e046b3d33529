#include <GL/gl.h>
#include "levels/LevelManager.h"
#include "objects/BaseObject.h"
#include "objects/Player.h"
#include "resources/GlCalls.h"
#include "resources/QuadDrawing.h"
#include "text/TextStream.h"

namespace {
constexpr uint32_t RED = 0xFF0000;
constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t BLUE = 0x0000FF;
}

void LevelManager::Draw()
{
    objectManager.removeDead();
    // The world may have been cleared behind the editor's back (the clear
    // key): never draw a selection that no longer exists.
    if (selected && !objectManager.contains(selected)) selected = nullptr;
    objectManager.drawAll();
    if (state == STATE_PLAY) DrawPlay();
    else if (state == STATE_CREDITS) DrawCredits();
    else DrawSelection();
    if (state >= STATE_OBJECT_PROMPT) messageBox.Draw();
}

void LevelManager::DrawPlay()
{
    particles.Draw();
    DrawHud();
    stext::TextStream& text = *textStream;
    if (levelComplete) {
        text << stext::Align(1, 2) << stext::Pos(400, 0) << stext::Color(RED) << "Level Complete!"
             << stext::End;
        return;
    }
    if (timer > 0.0f)
        text << stext::Align(1, 2) << stext::Pos(400, 0) << stext::Color(RED) << message << stext::End;
    if (!hint.empty())
        text << stext::Align(1, 1) << stext::Pos(144, 456) << stext::Color(BLACK) << hint << stext::End;
}

void LevelManager::DrawHud()
{
    Gl().color4f(1, 1, 1, 1);
    hudBase.Bind();
    DrawQuad(144, 472, 64, 64);
    hudLeftBadge.Bind();
    DrawQuad(128, 488, 32, 32);
    hudRightBadge.Bind();
    DrawQuad(160, 488, 32, 32);
    DrawNitrogenCount();
}

void LevelManager::DrawNitrogenCount()
{
    if (!player) return;
    *textStream << stext::Align(1, 1) << stext::Pos(140, 476) << stext::Color(BLUE) << player->getNitrogen()
                << stext::End;
}

void LevelManager::DrawCredits()
{
    creditsBackground.Bind();
    DrawQuad(400, 300, 800, 600);
    Gl().color3f(0, 0, 0);
    DrawTiledQuad(400, 300, 400, 300, 16);
    *textStream << stext::Align(1, 1) << stext::Pos(400, 300) << stext::Color(RED) << "CREDITS\n"
                << "All programming music, sound effects, and artwork\n"
                << "Orvandel" << stext::End;
}

void LevelManager::DrawSelection()
{
    if (!selected) return;
    selectionMark.Bind();
    auto [x, y] = selected->getPosition();
    DrawQuad(x, y, selected->getWidth(), selected->getHeight());
}

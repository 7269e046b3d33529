#include "record/ScriptRecorder.h"
#include "shell/VirtualKeys.h"

std::string ScriptLine(uint32_t frame, const Message& m)
{
    std::string at = std::to_string(frame) + " ";
    std::string xy = " " + std::to_string(m.x) + " " + std::to_string(m.y);
    switch (m.type) {
    case MsgType::KeyDown: return at + "key " + std::to_string(m.wParam & 0xFF);
    case MsgType::KeyUp: return at + "keyup " + std::to_string(m.wParam & 0xFF);
    case MsgType::Char: return at + "char " + std::to_string(m.wParam & 0xFF);
    case MsgType::MouseMove: return at + "move" + xy;
    case MsgType::LButtonDown: return at + "click left" + xy;
    case MsgType::RButtonDown: return at + "click right" + xy;
    case MsgType::Close: return at + "close";
    case MsgType::SizeMinimized: return at + "minimize";
    case MsgType::SizeRestored: return at + "restore" + xy;
    case MsgType::ActivateInactive: return at + "deactivate";
    case MsgType::ActivateActive: return at + "activate";
    // The game posts these to itself, and does so again in a replay.
    case MsgType::Quit:
    case MsgType::ToggleFullscreen:
    case MsgType::Stop:
    // These touch only the cursor, or nothing.
    case MsgType::NcMouseMove:
    case MsgType::ActivateMinimized:
        return "";
    }
    return "";
}

bool ScriptRecorder::Open(const std::string& path)
{
    out.open(path, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return false;
    Write("# Recorded by velkamire --record; play it back with velkamire-replay.");
    return true;
}

void ScriptRecorder::Comment(const std::string& text) { Write("# " + text); }

void ScriptRecorder::MessageArrived(const Message& message, bool charTranslation)
{
    // While typing, a replay turns Enter, Backspace, Tab and Escape into
    // their characters itself, just after the key.
    if (message.type == MsgType::Char && madeCharacter != 0 && message.wParam == madeCharacter) {
        madeCharacter = 0;
        return;
    }
    bool makesCharacter = message.type == MsgType::KeyDown && charTranslation;
    madeCharacter = makesCharacter ? ControlCharacterOf(static_cast<uint8_t>(message.wParam)) : 0;
    std::string line = ScriptLine(frame, message);
    if (!line.empty()) Write(line);
}

void ScriptRecorder::FrameRan(uint32_t elapsedMs) { EndFrame(elapsedMs); }

void ScriptRecorder::EndFrame(uint32_t frameTime)
{
    if (!timeWritten || frameTime != lastTime) {
        Write(std::to_string(frame) + " elapsed " + std::to_string(frameTime));
        timeWritten = true;
        lastTime = frameTime;
    }
    ++frame;
    // A recording cut short by a crash keeps every frame up to it.
    if (wroteInFrame) out.flush();
    wroteInFrame = false;
}

void ScriptRecorder::Write(const std::string& line)
{
    if (!out.is_open()) return;
    out << line << '\n';
    wroteInFrame = true;
}

bool ScriptRecorder::Finish()
{
    if (!out.is_open()) return true;
    out.close();
    return !out.fail();
}

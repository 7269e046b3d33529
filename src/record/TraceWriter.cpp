#include "record/TraceWriter.h"
#include <sstream>
#include "record/Json.h"
#include "levels/LevelManager.h"
#include "objects/BaseObject.h"
#include "objects/BaseObjectMan.h"
#include "shell/GameDriver.h"

bool TraceWriter::Open(const std::string& path, uint32_t traceEvery)
{
    every = traceEvery;
    out.open(path, std::ios::binary | std::ios::trunc);
    return out.is_open();
}

namespace {

std::string ObjectsJson()
{
    std::ostringstream s;
    s << "[";
    bool first = true;
    BaseObjectMan().forEach([&](BaseObject* o) {
        if (!first) s << ",";
        first = false;
        auto [x, y] = o->getPosition();
        s << "{\"type\":" << static_cast<int>(o->getType()) << ",\"x\":" << JsonFloat(x)
          << ",\"y\":" << JsonFloat(y) << ",\"w\":" << JsonFloat(o->getWidth())
          << ",\"h\":" << JsonFloat(o->getHeight()) << ",\"layer\":" << o->getDrawLayer()
          << ",\"dead\":" << (o->isDead() ? "true" : "false")
          << ",\"frozen\":" << (o->isFrozen() ? "true" : "false")
          << ",\"tool\":" << (o->isTool() ? "true" : "false");
        o->traceState(s);
        s << "}";
    });
    s << "]";
    return s.str();
}

} // namespace

std::string TraceWriter::Line(uint32_t frame, uint32_t ms, GameDriver& driver, const std::string& boxes,
                              const std::string& sounds) const
{
    LevelManager& level = driver.GetLevelManager();
    std::ostringstream s;
    s << "{\"frame\":" << frame << ",\"ms\":" << ms << ",\"state\":" << level.GetState()
      << ",\"level\":" << JsonString(level.GetCurrentLevel())
      << ",\"levelComplete\":" << (level.IsLevelComplete() ? "true" : "false")
      << ",\"timer\":" << JsonFloat(level.GetTimer()) << ",\"message\":" << JsonString(level.GetMessage())
      << ",\"hint\":" << JsonString(level.GetHint()) << ",\"fps\":" << driver.GetFps()
      << ",\"boxes\":" << boxes << ",\"sounds\":" << sounds << ",\"objects\":" << ObjectsJson();
    return s.str();
}

void TraceWriter::FrameDrawn(uint32_t frame, uint32_t ms, GameDriver& driver, const std::vector<ShownBox>& all,
                             const std::vector<SoundPlay>& sounds)
{
    if (!out.is_open()) return;
    if (havePending && pendingFrame % every == 0) out << pendingLine << ",\"ended\":false}\n";

    std::ostringstream b;
    b << "[";
    for (size_t i = boxesReported; i < all.size(); ++i)
        b << (i > boxesReported ? "," : "") << "{\"caption\":" << JsonString(all[i].caption)
          << ",\"text\":" << JsonString(all[i].text) << "}";
    b << "]";
    std::ostringstream p;
    p << "[";
    for (size_t i = soundsReported; i < sounds.size(); ++i)
        p << (i > soundsReported ? "," : "") << "{\"id\":" << sounds[i].id
          << ",\"loop\":" << (sounds[i].loop ? "true" : "false") << "}";
    p << "]";

    bool traced = frame % every == 0;
    pendingLine = Line(frame, ms, driver, b.str(), p.str());
    pendingFrame = frame;
    havePending = true;
    // Boxes and sounds of untraced frames are carried to the next line.
    if (traced) {
        boxesReported = all.size();
        soundsReported = sounds.size();
    }
}

bool TraceWriter::Finish(bool ended)
{
    if (!out.is_open()) return true;
    if (havePending) out << pendingLine << ",\"ended\":" << (ended ? "true" : "false") << "}\n";
    havePending = false;
    out.close();
    return !out.fail();
}

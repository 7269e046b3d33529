// velkamire-glprobe: the bare-GL limit of the game's frames. Reads a draw
// census (velkamire-replay --census) and draws each frame's quads into the
// same offscreen context in the same GL state, with the same textures, but
// as plain GL batched one glBegin per texture; times it the way the replay
// tool's timing mode times the game.
#include <SDL2/SDL.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include "Census.h"
#include "FrameTiming.h"
#include "PngWriter.h"
#include "TextureBatches.h"
#include "resources/ResourceManager.h"
#include "resources/TextureManager.h"
#include "shell/GlState.h"
#include "shell/SdlWindow.h"
#include "shell/WindowLifecycle.h"

namespace {

const char USAGE[] =
    "usage: velkamire-glprobe [--data DIR] [--timing FROM] [--picture FRAME:FILE.png] [--in-order] CENSUS\n"
    "Draws the quads of a draw census as batched plain GL. --timing prints the CPU\n"
    "time per frame from frame FROM on (default 1) and the quads a timed frame\n"
    "draws; --picture saves one frame; --in-order draws the quads unbatched, one\n"
    "glBegin each in the census's order.\n";

struct ProbeOptions {
    std::string dataDir = ".";
    uint32_t timingFrom = 1;
    long pictureFrame = -1;
    std::string picture;
    std::string census;
    bool inOrder = false;
    bool help = false;
};

bool ParseNumber(const std::string& text, long& value)
{
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && value >= 0 && value < 1000000000;
}

bool ParseOptions(int argc, char** argv, ProbeOptions& o)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        long number = 0;
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--in-order") {
            o.inOrder = true;
        } else if (arg == "--data" && hasValue) {
            o.dataDir = argv[++i];
        } else if (arg == "--timing" && hasValue && ParseNumber(argv[++i], number) && number >= 1) {
            o.timingFrom = uint32_t(number);
        } else if (arg == "--picture" && hasValue) {
            std::string v = argv[++i];
            size_t colon = v.find(':');
            if (colon == std::string::npos || !ParseNumber(v.substr(0, colon), o.pictureFrame)) return false;
            o.picture = std::filesystem::absolute(v.substr(colon + 1)).string();
        } else if (!arg.empty() && arg[0] != '-' && o.census.empty()) {
            o.census = std::filesystem::absolute(arg).string();
        } else {
            return false;
        }
    }
    return o.help || !o.census.empty();
}

// The game's own GL state and projection.
void SetGameState()
{
    SetGameGlState();
    Reshape(800, 600);
    glLoadIdentity();
}

// Uploads, through the game's texture loader, every texture the census
// names, and returns their GL names.
std::map<uint32_t, GLuint> LoadTextures(const std::vector<CensusFrame>& frames)
{
    std::set<uint32_t> ids;
    for (const CensusFrame& f : frames)
        for (const CensusQuad& q : f.quads)
            if (q.texture != CensusQuad::NO_TEXTURE) ids.insert(q.texture);
    TextureManager* textures = TextureManager::Instance();
    textures->LoadList("textures.txt");
    for (uint32_t id : ids) textures->GetTexture(id);
    textures->LoadAll();
    std::map<uint32_t, GLuint> names;
    for (uint32_t id : ids) names[id] = textures->GetTexture(id)->GetGlName();
    return names;
}

} // namespace

int main(int argc, char** argv)
{
    ProbeOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "%s", USAGE);
        return 2;
    }
    if (options.help) {
        std::printf("%s", USAGE);
        return 0;
    }
    std::vector<CensusFrame> frames;
    std::string error;
    if (!ReadCensus(options.census, frames, error)) {
        std::fprintf(stderr, "velkamire-glprobe: %s\n", error.c_str());
        return 2;
    }
    std::error_code ec;
    std::filesystem::current_path(options.dataDir, ec);
    FrameTiming timing(options.timingFrom);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    SdlWindow window;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0 || ec || !window.Create("velkamire-glprobe", 800, 600, 16, 0, nullptr)) {
        std::fprintf(stderr, "velkamire-glprobe: no offscreen GL context in %s\n", options.dataDir.c_str());
        return 2;
    }
    SetGameState();
    std::map<uint32_t, GLuint> names = LoadTextures(frames);
    std::vector<std::vector<TextureBatch>> batched;
    double timedQuads = 0.0;
    for (const CensusFrame& f : frames) {
        batched.push_back(options.inOrder ? OneBatchAQuad(f) : BatchByTexture(f));
        if (batched.size() > options.timingFrom) timedQuads += double(f.quads.size());
    }
    frames.clear();

    for (size_t i = 0; i < batched.size(); ++i) {
        // The headless game's swap: finish the previous frame.
        glFinish();
        DrawBatches(batched[i], names);
        if (long(i) == options.pictureFrame) SaveFramebufferPng(options.picture, 800, 600);
        timing.FrameDrawn(uint32_t(i));
    }
    TextureManager::Instance()->Disable();
    ResourceManager::Instance()->ReleaseAll(0);
    window.Destroy();
    if (timing.TimedFrames() == 0) {
        std::fprintf(stderr, "velkamire-glprobe: the census has no frame from %u on\n", options.timingFrom);
        return 1;
    }
    std::printf("%s quads=%.0f\n", timing.Report().c_str(), timedQuads / timing.TimedFrames());
    return 0;
}

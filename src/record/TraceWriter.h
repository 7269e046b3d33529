#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

class GameDriver;

struct SoundPlay {
    uint32_t id;
    bool loop;
};

struct ShownBox {
    std::string caption;
    std::string text;
};

// Writes the trace of a run: one JSON object per traced frame. The line of
// a frame is held back until the next frame, so that the last line can say
// whether the program ended.
class TraceWriter {
public:
    bool Open(const std::string& path, uint32_t every);
    bool IsOpen() const { return out.is_open(); }

    // After the Draw of a frame, with every box and sound of the run so
    // far; the line holds those since the previous traced line.
    void FrameDrawn(uint32_t frame, uint32_t ms, GameDriver& driver, const std::vector<ShownBox>& boxes,
                    const std::vector<SoundPlay>& sounds);
    // Writes the last line; false when the file could not be written.
    bool Finish(bool ended);

private:
    std::string Line(uint32_t frame, uint32_t ms, GameDriver& driver, const std::string& boxes,
                     const std::string& sounds) const;

    std::ofstream out;
    uint32_t every = 1;
    std::string pendingLine;  // without its closing brace
    uint32_t pendingFrame = 0;
    bool havePending = false;
    size_t boxesReported = 0;
    size_t soundsReported = 0;
};

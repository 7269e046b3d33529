#pragma once
#include <cstdint>
#include <string>
#include "Census.h"

// Records the quads each frame draws into a census file while the game
// draws them as usual: the drawing routines' GL calls pass through it on
// their way to OpenGL. At most one is installed at a time.
class DrawCensus {
public:
    DrawCensus() = default;
    ~DrawCensus();
    DrawCensus(const DrawCensus&) = delete;
    DrawCensus& operator=(const DrawCensus&) = delete;

    // Opens the file and puts itself between the drawing routines and GL.
    bool Open(const std::string& path);
    // Writes the quads drawn since the last call as this frame's.
    void FrameDrawn(uint32_t frame);
    // Gives the GL calls back and closes the file; false when a write failed.
    bool Finish();

private:
    CensusWriter writer;
    bool installed = false;
};

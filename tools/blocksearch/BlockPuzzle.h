#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "LevelRecord.h"

namespace blocksearch {

// Positions are counted on the player's lattice: one unit is one of its
// 8-pixel steps, from the lower left corner of the searched area.
constexpr int UNIT = 8;
// Every solid thing is a tile, 32 pixels or 4 units across; two of them
// overlap when they are closer than that on both axes.
constexpr int TILE_UNITS = 4;
// A push moves a block half a tile.
constexpr int PUSH_UNITS = 2;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
    bool operator<(const Point& o) const { return y != o.y ? y < o.y : x < o.x; }
};

inline bool Overlap(Point a, Point b)
{
    return a.x - b.x < TILE_UNITS && b.x - a.x < TILE_UNITS && a.y - b.y < TILE_UNITS && b.y - a.y < TILE_UNITS;
}

// A level seen as a block puzzle: everything solid but the blocks and the
// player stands still, and the player wins by standing on a lift.
struct BlockPuzzle {
    int width = 0;
    int height = 0;
    // Per position (y * width + x): a player there would overlap something
    // that stands still (a wall, a sign, a gas pocket, a can, ...).
    std::vector<uint8_t> playerBlocked;
    // The same for a block, which lifts stop too.
    std::vector<uint8_t> blockBlocked;
    std::vector<Point> blocks;
    Point player;
    std::vector<Point> lifts;
    // Pixel coordinates of the lattice's origin, for reports.
    float originX = 0;
    float originY = 0;

    bool Inside(Point p) const { return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height; }
    size_t Index(Point p) const { return static_cast<size_t>(p.y) * width + p.x; }
    bool PlayerBlocked(Point p) const { return !Inside(p) || playerBlocked[Index(p)]; }
    bool BlockBlocked(Point p) const { return !Inside(p) || blockBlocked[Index(p)]; }
    float PixelX(Point p) const { return originX + static_cast<float>(p.x * UNIT); }
    float PixelY(Point p) const { return originY + static_cast<float>(p.y * UNIT); }
};

// Builds the puzzle of a level's records. Fails, saying why, for a level
// the search cannot stand for: no player or more than one, no lift, things
// that move by themselves, or solid things off the player's lattice.
bool LoadPuzzle(const std::vector<levelc::LevelRecord>& records, BlockPuzzle& puzzle, std::string& error);

}  // namespace blocksearch

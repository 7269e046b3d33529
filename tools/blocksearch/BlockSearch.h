#pragma once
#include <cstddef>
#include <vector>
#include "BlockPuzzle.h"

namespace blocksearch {

// One push: a block moved half a tile.
struct Push {
    Point from;
    Point to;
};

struct SearchResult {
    // False when the limit on layouts stopped the search: the counts are
    // then only what was reached.
    bool complete = true;
    bool solvable = false;
    // A solution with the fewest pushes.
    std::vector<Push> solution;
    // Layouts reached from the start: where the blocks stand, and which
    // area the player can walk in.
    size_t layouts = 0;
    // Layouts from which no sequence of pushes leads to the lift.
    size_t deadLayouts = 0;
};

// Explores every layout the player can push the blocks into, as the game
// moves them: a player walking into a block pushes it half a tile only when
// exactly in line with it, and the push fails when anything solid but the
// player stands where the block would go (lifts too). Walking between
// pushes is free; the player wins by standing on a lift.
SearchResult Search(const BlockPuzzle& puzzle, size_t maxLayouts = 1000000);

}  // namespace blocksearch

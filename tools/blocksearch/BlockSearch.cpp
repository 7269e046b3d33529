#include "BlockSearch.h"
#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>

namespace blocksearch {

namespace {

constexpr Point DIRECTIONS[] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
constexpr uint32_t NONE = UINT32_MAX;

struct Layout {
    Point player;               // the lowest position of the player's area
    std::vector<Point> blocks;  // sorted
    uint32_t parent = NONE;
    Push push;
    bool won = false;
};

std::string KeyOf(const BlockPuzzle& puzzle, Point player, const std::vector<Point>& blocks)
{
    std::string key;
    auto put = [&](Point p) {
        size_t i = puzzle.Index(p);
        key.push_back(static_cast<char>(i & 0xFF));
        key.push_back(static_cast<char>(i >> 8));
    };
    put(player);
    for (Point b : blocks) put(b);
    return key;
}

bool HitsBlock(const std::vector<Point>& blocks, Point p, size_t except = SIZE_MAX)
{
    for (size_t i = 0; i < blocks.size(); ++i)
        if (i != except && Overlap(blocks[i], p)) return true;
    return false;
}

// The positions the player can walk to from `from` without pushing.
std::vector<Point> Area(const BlockPuzzle& puzzle, const std::vector<Point>& blocks, Point from,
                        std::vector<uint32_t>& stamp, uint32_t generation)
{
    std::vector<Point> area{from};
    stamp[puzzle.Index(from)] = generation;
    for (size_t next = 0; next < area.size(); ++next) {
        for (Point d : DIRECTIONS) {
            Point p{area[next].x + d.x, area[next].y + d.y};
            if (puzzle.PlayerBlocked(p) || stamp[puzzle.Index(p)] == generation || HitsBlock(blocks, p)) continue;
            stamp[puzzle.Index(p)] = generation;
            area.push_back(p);
        }
    }
    return area;
}

}  // namespace

SearchResult Search(const BlockPuzzle& puzzle, size_t maxLayouts)
{
    SearchResult result;
    std::vector<Layout> layouts;
    std::vector<std::vector<uint32_t>> predecessors;
    std::unordered_map<std::string, uint32_t> known;
    std::vector<uint32_t> stamp(static_cast<size_t>(puzzle.width) * puzzle.height, 0);
    uint32_t generation = 0;

    // Adds the layout with the player somewhere in the area around `player`.
    auto visit = [&](Point player, std::vector<Point> blocks, uint32_t parent, Push push) -> uint32_t {
        std::vector<Point> area = Area(puzzle, blocks, player, stamp, ++generation);
        Point lowest = *std::min_element(area.begin(), area.end());
        std::string key = KeyOf(puzzle, lowest, blocks);
        auto found = known.find(key);
        if (found != known.end()) return found->second;
        uint32_t id = static_cast<uint32_t>(layouts.size());
        bool won = std::any_of(puzzle.lifts.begin(), puzzle.lifts.end(),
                               [&](Point lift) { return puzzle.Inside(lift) && stamp[puzzle.Index(lift)] == generation; });
        layouts.push_back({lowest, std::move(blocks), parent, push, won});
        predecessors.emplace_back();
        known.emplace(std::move(key), id);
        return id;
    };

    visit(puzzle.player, puzzle.blocks, NONE, {});
    uint32_t firstWin = layouts[0].won ? 0 : NONE;
    for (uint32_t id = 0; id < layouts.size(); ++id) {
        if (layouts.size() >= maxLayouts) {
            result.complete = false;
            break;
        }
        if (layouts[id].won) continue;
        const std::vector<Point> blocks = layouts[id].blocks;
        std::vector<Point> area = Area(puzzle, blocks, layouts[id].player, stamp, ++generation);
        for (Point at : area) {
            for (Point d : DIRECTIONS) {
                Point step{at.x + d.x, at.y + d.y};
                if (puzzle.PlayerBlocked(step)) continue;
                for (size_t i = 0; i < blocks.size(); ++i) {
                    Point b = blocks[i];
                    if (!Overlap(b, step)) continue;
                    // Only a player square on the block's line pushes it.
                    bool inLine = d.x != 0 ? b.y == at.y : b.x == at.x;
                    if (!inLine) continue;
                    Point to{b.x + d.x * PUSH_UNITS, b.y + d.y * PUSH_UNITS};
                    if (puzzle.BlockBlocked(to) || HitsBlock(blocks, to, i)) continue;
                    std::vector<Point> moved = blocks;
                    moved[i] = to;
                    std::sort(moved.begin(), moved.end());
                    // Another block the step also runs into holds the player back.
                    Point player = HitsBlock(moved, step) ? at : step;
                    uint32_t next = visit(player, std::move(moved), id, {b, to});
                    predecessors[next].push_back(id);
                    if (layouts[next].won && firstWin == NONE) firstWin = next;
                }
            }
        }
    }

    result.layouts = layouts.size();
    // Layouts that lead to a win, found backwards from the winning ones.
    std::vector<uint8_t> alive(layouts.size(), 0);
    std::deque<uint32_t> queue;
    for (uint32_t id = 0; id < layouts.size(); ++id)
        if (layouts[id].won) {
            alive[id] = 1;
            queue.push_back(id);
        }
    while (!queue.empty()) {
        uint32_t id = queue.front();
        queue.pop_front();
        for (uint32_t p : predecessors[id])
            if (!alive[p]) {
                alive[p] = 1;
                queue.push_back(p);
            }
    }
    result.deadLayouts = static_cast<size_t>(std::count(alive.begin(), alive.end(), 0));
    result.solvable = firstWin != NONE;
    // Layouts are numbered in the order a breadth-first walk finds them, so
    // the first win found has the fewest pushes.
    for (uint32_t id = firstWin; id != NONE && layouts[id].parent != NONE; id = layouts[id].parent)
        result.solution.push_back(layouts[id].push);
    std::reverse(result.solution.begin(), result.solution.end());
    return result;
}

}  // namespace blocksearch

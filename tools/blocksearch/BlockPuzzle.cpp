#include "BlockPuzzle.h"
#include <algorithm>
#include <cmath>
#include "objects/ObjectType.h"

namespace blocksearch {

namespace {

// Room around the outermost things, so that every position a box can
// overlap them from lies inside the lattice.
constexpr int MARGIN = TILE_UNITS;

enum class Role { IGNORED, STILL_FOR_BLOCKS, STILL, BLOCK, PLAYER, LIFT, MOVER };

// What each kind of object is to the search. A broken can vanishes when
// the player walks into it, which the search leaves out: it stands still.
Role RoleOf(int32_t type)
{
    switch (type) {
    case WALL_TYPE:
    case HIT_SWITCH_TYPE:
    case GAS_TYPE:
    case FLAME_TYPE:
    case ICE_CUBE_TYPE:
    case NITROGEN_TYPE:
    case BROKEN_NITROGEN_TYPE:
    case TEXT_TYPE:
        return Role::STILL;
    case BLOCK_TYPE:
        return Role::BLOCK;
    case PLAYER_TYPE:
        return Role::PLAYER;
    case ELEVATOR_TYPE:
        return Role::LIFT;
    case ZOMBIE_TYPE:
    case DRAGON_TYPE:
        return Role::MOVER;
    default:
        return Role::IGNORED;
    }
}

struct Placed {
    Role role;
    double x;
    double y;
};

// The position of a pixel coordinate on the lattice through `origin`, or
// false when it falls between lattice points.
bool OnLattice(double pixels, double origin, int& units)
{
    double steps = (pixels - origin) / UNIT;
    double whole = std::round(steps);
    if (std::fabs(steps - whole) > 1e-6) return false;
    units = static_cast<int>(whole);
    return true;
}

// Marks every position where a tile-sized box would overlap one at `at`.
void MarkAround(BlockPuzzle& puzzle, std::vector<uint8_t>& grid, Point at)
{
    for (int dy = -TILE_UNITS + 1; dy < TILE_UNITS; ++dy)
        for (int dx = -TILE_UNITS + 1; dx < TILE_UNITS; ++dx) {
            Point p{at.x + dx, at.y + dy};
            if (puzzle.Inside(p)) grid[puzzle.Index(p)] = 1;
        }
}

}  // namespace

bool LoadPuzzle(const std::vector<levelc::LevelRecord>& records, BlockPuzzle& puzzle, std::string& error)
{
    std::vector<Placed> placed;
    int players = 0;
    for (const levelc::LevelRecord& r : records) {
        Role role = RoleOf(r.type);
        if (role == Role::IGNORED) continue;
        if (role == Role::MOVER) {
            error = "the level has things that move by themselves (zombies or the dragon)";
            return false;
        }
        double x = levelc::BitsFloat(r.xBits);
        double y = levelc::BitsFloat(r.yBits);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            error = "an object stands at a position that is not a number";
            return false;
        }
        players += role == Role::PLAYER;
        placed.push_back({role, x, y});
    }
    if (players != 1) {
        error = players == 0 ? "the level has no player" : "the level has more than one player";
        return false;
    }
    auto player = std::find_if(placed.begin(), placed.end(), [](const Placed& p) { return p.role == Role::PLAYER; });
    double minX = player->x, maxX = player->x, minY = player->y, maxY = player->y;
    for (const Placed& p : placed) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    // The lattice runs through the player's start and reaches a margin past
    // the outermost things.
    puzzle.originX = static_cast<float>(player->x - (std::ceil((player->x - minX) / UNIT) + MARGIN) * UNIT);
    puzzle.originY = static_cast<float>(player->y - (std::ceil((player->y - minY) / UNIT) + MARGIN) * UNIT);
    puzzle.width = static_cast<int>(std::ceil((maxX - puzzle.originX) / UNIT)) + MARGIN + 1;
    puzzle.height = static_cast<int>(std::ceil((maxY - puzzle.originY) / UNIT)) + MARGIN + 1;
    size_t cells = static_cast<size_t>(puzzle.width) * puzzle.height;
    if (cells > 1u << 16) {
        error = "the level is too large to search";
        return false;
    }
    puzzle.playerBlocked.assign(cells, 0);
    puzzle.blockBlocked.assign(cells, 0);
    puzzle.blocks.clear();
    puzzle.lifts.clear();
    for (const Placed& p : placed) {
        Point at;
        if (!OnLattice(p.x, puzzle.originX, at.x) || !OnLattice(p.y, puzzle.originY, at.y)) {
            error = "an object at (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                    ") is off the lattice of the player's 8-pixel steps";
            return false;
        }
        switch (p.role) {
        case Role::STILL:
            MarkAround(puzzle, puzzle.playerBlocked, at);
            MarkAround(puzzle, puzzle.blockBlocked, at);
            break;
        case Role::LIFT:
            MarkAround(puzzle, puzzle.blockBlocked, at);
            puzzle.lifts.push_back(at);
            break;
        case Role::BLOCK:
            puzzle.blocks.push_back(at);
            break;
        case Role::PLAYER:
            puzzle.player = at;
            break;
        default:
            break;
        }
    }
    if (puzzle.lifts.empty()) {
        error = "the level has no lift";
        return false;
    }
    std::sort(puzzle.blocks.begin(), puzzle.blocks.end());
    return true;
}

}  // namespace blocksearch

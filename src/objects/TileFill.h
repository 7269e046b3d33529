#pragma once
#include <functional>
#include "objects/BaseObject.h"

// The editor's fill for floors and walls: clicking elsewhere with a placed
// tile selected paints every cell of the 32-pixel lattice of the rectangle
// between the tile and the click. place(col, row) is called for each cell
// except the selected tile's own; cells already holding a tile get
// another, since nothing looks at what stands there.
void FillTiles(float tileX, float tileY, float clickX, float clickY,
               const std::function<void(float, float)>& place);

// The editor's click for a floor or wall: a palette tool moves like any
// object; a placed tile fills with new objects of its own class.
template <typename Tile>
void EditTile(BaseObject& selected, float clickX, float clickY)
{
    if (selected.isTool()) {
        selected.BaseObject::editAt(clickX, clickY);
        return;
    }
    auto [x, y] = selected.getPosition();
    FillTiles(x, y, clickX, clickY, [](float col, float row) { new Tile(col, row); });
}

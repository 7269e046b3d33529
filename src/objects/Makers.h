#pragma once

// The game's makers live as static objects in one file, in the order the
// game constructs them. A static library drops object files nothing refers
// to, so the level manager calls this to keep that file in the program.
void LinkMakers();

#pragma once

// When the connection to the X server breaks (the server died or was
// killed), ends the program at once with exit code 1. Xlib's own handling
// calls exit(), whose destructors then wait forever on the dead connection
// (destroying the window); nothing can be drawn or released through it
// anyway, and the game holds no unsaved files. Only for SDL's X11 video
// driver; call once SDL's video runs.
void EndProgramWhenDisplayIsLost();

#include "shell/LostDisplay.h"
#include <SDL2/SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>
#include <cstring>

namespace {

int OnDisplayLost(Display*)
{
    static const char text[] = "velkamire: the connection to the display was lost\n";
    ssize_t written = ::write(STDERR_FILENO, text, sizeof text - 1);
    (void)written;
    ::_exit(1);
}

} // namespace

void EndProgramWhenDisplayIsLost()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && std::strcmp(driver, "x11") == 0) XSetIOErrorHandler(OnDisplayLost);
}

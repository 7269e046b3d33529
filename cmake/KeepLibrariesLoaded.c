/* Linked into every program of the sanitizer build only. The leak checker
   runs at exit, when the libraries that SDL, Mesa and OpenAL opened at run
   time would already be unloaded, and it could then name neither them nor
   their functions: their leaks could not be suppressed, and would hide
   ours. Keeping every library loaded until exit lets the suppression file
   name them. */
#include <dlfcn.h>

int dlclose(void* handle)
{
    (void)handle;
    return 0;
}

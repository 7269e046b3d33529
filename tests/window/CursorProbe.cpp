// cursor-probe: tells whether the X server shows a cursor, through XFixes,
// which reads the cursor image that screenshots leave out.
//
//   cursor-probe                 prints "visible X Y" or "hidden X Y" (the
//                                pointer's position on the root window)
//   cursor-probe FILE.pam        also writes the cursor image as a PAM file
//                                and prints its top-left corner on the
//                                screen as "at X Y", for drawing it into a
//                                screenshot
//
// Exit code 0 when the state was read, 2 when the display or XFixes is
// missing.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

namespace {

bool AnyPixelShows(const XFixesCursorImage& image)
{
    for (int i = 0; i < image.width * image.height; ++i)
        if ((image.pixels[i] >> 24) & 0xFF) return true;
    return false;
}

// XFixes gives premultiplied ARGB in the low 32 bits of each long.
bool WritePam(const char* path, const XFixesCursorImage& image)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::fprintf(f, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n", image.width,
                 image.height);
    for (int i = 0; i < image.width * image.height; ++i) {
        unsigned long p = image.pixels[i];
        unsigned a = (p >> 24) & 0xFF;
        unsigned char rgba[4] = {0, 0, 0, static_cast<unsigned char>(a)};
        for (int c = 0; c < 3 && a; ++c) rgba[c] = static_cast<unsigned char>(((p >> (16 - 8 * c)) & 0xFF) * 255 / a);
        std::fwrite(rgba, 1, 4, f);
    }
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cursor-probe: cannot open the display\n");
        return 2;
    }
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
        std::fprintf(stderr, "cursor-probe: no XFixes\n");
        return 2;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) {
        std::fprintf(stderr, "cursor-probe: no cursor image\n");
        return 2;
    }
    std::printf("%s %d %d\n", AnyPixelShows(*image) ? "visible" : "hidden", image->x, image->y);
    if (argc > 1) {
        if (!WritePam(argv[1], *image)) return 2;
        std::printf("at %d %d\n", image->x - image->xhot, image->y - image->yhot);
    }
    XFree(image);
    XCloseDisplay(display);
    return 0;
}

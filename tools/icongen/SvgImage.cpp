#include "SvgImage.h"
#include <cstdio>
#include <sstream>

namespace {

std::string Fill(const Rgba& p)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", p.r, p.g, p.b);
    std::string fill = std::string("fill=\"") + hex + "\"";
    if (p.a != 255) {
        char opacity[24];
        std::snprintf(opacity, sizeof opacity, " fill-opacity=\"%.3f\"", p.a / 255.0);
        fill += opacity;
    }
    return fill;
}

} // namespace

std::string EncodeSvg(const Image& image)
{
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << image.Width() << "\" height=\""
        << image.Height() << "\" viewBox=\"0 0 " << image.Width() << " " << image.Height()
        << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < image.Height(); ++y) {
        int x = 0;
        while (x < image.Width()) {
            const Rgba& p = image.At(x, y);
            int run = 1;
            while (x + run < image.Width() && image.At(x + run, y) == p) ++run;
            if (p.a != 0)
                svg << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << run << "\" height=\"1\" " << Fill(p)
                    << "/>\n";
            x += run;
        }
    }
    svg << "</svg>\n";
    return svg.str();
}

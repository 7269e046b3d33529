#include "resources/TextureOptions.h"

namespace {
constexpr size_t OPTION_GROUP_LENGTH = 3;

void ApplyOption(TextureOptions& options, char letter)
{
    switch (letter) {
    case 'k': options.colorKey = true; break;
    case 'g': options.alphaFromBrightness = true; break;
    case 'r': options.repeat = true; break;
    case 's': options.mipmaps = true; break;
    default: break;
    }
}
} // namespace

TextureOptions ParseTextureOptions(const std::string& line)
{
    TextureOptions options;
    size_t at = 0;
    while (at + OPTION_GROUP_LENGTH < line.size() && line[at] == '-') {
        ApplyOption(options, line[at + 1]);
        at += OPTION_GROUP_LENGTH;
    }
    options.name = line.substr(at);
    return options;
}

#include "IconSet.h"
#include <filesystem>
#include "IconScale.h"
#include "ImagePng.h"
#include "SvgImage.h"
#include "TgaWriter.h"

const int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};
const int ICON_SIZE_COUNT = sizeof ICON_SIZES / sizeof ICON_SIZES[0];

namespace {

namespace fs = std::filesystem;

bool MakeFolder(const fs::path& dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec);
}

} // namespace

int WriteIconSet(const Image& picture, const std::string& outDir, const std::string& name, std::ostream& err)
{
    fs::path theme = fs::path(outDir) / "hicolor";
    for (int i = 0; i < ICON_SIZE_COUNT; ++i) {
        int size = ICON_SIZES[i];
        fs::path dir = theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        fs::path file = dir / (name + ".png");
        if (!MakeFolder(dir) || !WritePng(file.string(), ScaleIcon(picture, size))) {
            err << "could not write " << file.string() << "\n";
            return 1;
        }
    }
    fs::path svg = theme / "scalable" / "apps" / (name + ".svg");
    if (!WriteBinaryFile(svg.string(), EncodeSvg(picture))) {
        err << "could not write " << svg.string() << "\n";
        return 1;
    }
    return 0;
}

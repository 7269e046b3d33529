#include "ArtBuilder.h"
#include "Painters.h"
#include "PixelArt.h"
#include "resources/WholeFile.h"

const char* const ART_MANIFEST = "textures.manifest";

namespace {

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool BuildEntry(const ArtEntry& entry, const std::string& artDir, const std::string& dataDir, std::ostream& err)
{
    if (entry.source == "extern") return true;  // another tool writes it
    Image image;
    std::string error;
    if (!MakeArtImage(entry, artDir, image, error)) {
        err << error << "\n";
        return false;
    }
    std::string path = dataDir + "/" + TEXTURE_FOLDER + entry.output;
    if (!WriteBinaryFile(path, EncodeTga(image, entry.encoding, entry.bits))) {
        err << "could not write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

bool MakeArtImage(const ArtEntry& entry, const std::string& artDir, Image& image, std::string& error)
{
    if (!entry.source.empty() && entry.source[0] == '@') {
        if (PaintByName(entry.source, image)) return true;
        error = "texture " + std::to_string(entry.id) + ": no painter called " + entry.source;
        return false;
    }
    if (!EndsWith(entry.source, ".pix")) {
        error = "texture " + std::to_string(entry.id) + ": source must be a .pix file, @painter or extern";
        return false;
    }
    std::string text;
    if (!ReadWholeFile(artDir + "/" + entry.source, text)) {
        error = "could not read " + artDir + "/" + entry.source;
        return false;
    }
    PixelArtResult result = ParsePixelArt(text, entry.source);
    if (!result.ok) {
        error = result.error;
        return false;
    }
    image = result.image;
    return true;
}

int BuildArt(const std::string& artDir, const std::string& dataDir, std::ostream& err)
{
    std::string text;
    if (!ReadWholeFile(artDir + "/" + ART_MANIFEST, text)) {
        err << "could not read " << artDir << "/" << ART_MANIFEST << "\n";
        return 1;
    }
    ManifestResult manifest = ParseManifest(text, ART_MANIFEST);
    if (!manifest.ok) {
        err << manifest.error << "\n";
        return 1;
    }
    bool ok = true;
    for (const ArtEntry& entry : manifest.entries) ok = BuildEntry(entry, artDir, dataDir, err) && ok;
    if (!ok) return 1;
    std::string listPath = dataDir + "/textures.txt";
    if (!WriteBinaryFile(listPath, TextureList(manifest.entries))) {
        err << "could not write " << listPath << "\n";
        return 1;
    }
    return 0;
}

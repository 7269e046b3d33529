#include "Manifest.h"
#include <algorithm>
#include <sstream>

const char* const TEXTURE_FOLDER = "Data/Textures/";

namespace {

bool ParseUnsigned(const std::string& word, unsigned& value)
{
    if (word.empty() || word.size() > 6 || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    value = static_cast<unsigned>(std::stoul(word));
    return true;
}

// The loader's colour key and brightness options read three bytes a pixel,
// so they only make sense on 24-bit images.
std::string CheckOptions(const ArtEntry& e)
{
    for (char o : e.options) {
        if (std::string("kgrs").find(o) == std::string::npos) return std::string("unknown option -") + o;
        if ((o == 'k' || o == 'g') && e.bits != 24) return std::string("option -") + o + " needs a 24-bit image";
    }
    return "";
}

std::string ParseEntry(const std::vector<std::string>& words, unsigned expectedId, ArtEntry& e)
{
    if (words.size() < 5) return "expected: id source output encoding bits [-option ...]";
    if (!ParseUnsigned(words[0], e.id)) return "'" + words[0] + "' is not an id";
    if (e.id != expectedId) return "id " + words[0] + " out of order, expected " + std::to_string(expectedId);
    e.source = words[1];
    e.output = words[2];
    if (words[3] == "raw") e.encoding = TgaEncoding::Raw;
    else if (words[3] == "rle") e.encoding = TgaEncoding::Rle;
    else return "encoding must be raw or rle, not '" + words[3] + "'";
    if (words[4] == "24") e.bits = 24;
    else if (words[4] == "32") e.bits = 32;
    else return "bits must be 24 or 32, not '" + words[4] + "'";
    for (size_t i = 5; i < words.size(); ++i) {
        if (words[i].size() != 2 || words[i][0] != '-') return "'" + words[i] + "' is not an option like -k";
        e.options.push_back(words[i][1]);
    }
    return CheckOptions(e);
}

} // namespace

ManifestResult ParseManifest(const std::string& text, const std::string& sourceName)
{
    ManifestResult result;
    std::istringstream in(text);
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        std::istringstream lineIn(line);
        std::vector<std::string> words;
        for (std::string w; lineIn >> w;) words.push_back(w);
        if (words.empty() || words[0][0] == '#') continue;
        ArtEntry entry;
        entry.line = lineNo;
        std::string error = ParseEntry(words, static_cast<unsigned>(result.entries.size()), entry);
        if (!error.empty()) {
            result.error = sourceName + ":" + std::to_string(lineNo) + ": " + error;
            return result;
        }
        result.entries.push_back(entry);
    }
    if (result.entries.empty()) {
        result.error = sourceName + ": no textures listed";
        return result;
    }
    result.ok = true;
    return result;
}

std::string TextureListLine(const ArtEntry& entry)
{
    std::string line;
    for (char o : entry.options) line += std::string("-") + o + " ";
    return line + TEXTURE_FOLDER + entry.output;
}

std::string TextureList(const std::vector<ArtEntry>& entries)
{
    std::string list;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) list += '\n';
        list += TextureListLine(entries[i]);
    }
    return list;
}

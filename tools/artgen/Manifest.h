#pragma once
#include <string>
#include <vector>
#include "TgaWriter.h"

// One texture of the game: a line of the art manifest, and so one line of
// textures.txt (the texture id is the line's position there).
struct ArtEntry {
    unsigned id = 0;
    std::string source;   // "name.pix", "@painter", or "extern" (made by another tool)
    std::string output;   // file name under Data/Textures/
    TgaEncoding encoding = TgaEncoding::Raw;
    int bits = 24;
    std::vector<char> options;  // loader option letters: k, g, r, s
    int line = 0;               // manifest line, for messages
};

struct ManifestResult {
    bool ok = false;
    std::vector<ArtEntry> entries;  // in id order, ids 0, 1, 2, ... without gaps
    std::string error;
};

// Reads the manifest: one texture per line, "id source output encoding bits
// [-option ...]", '#' comments and blank lines ignored.
ManifestResult ParseManifest(const std::string& text, const std::string& sourceName);

// Folder of the textures inside the game's data directory.
extern const char* const TEXTURE_FOLDER;

// The textures.txt line for an entry, options first: "-k -s Data/Textures/x.tga".
std::string TextureListLine(const ArtEntry& entry);

// The whole textures.txt: the entries' lines joined by line feeds, with no
// line feed after the last, so the list has exactly one id per entry.
std::string TextureList(const std::vector<ArtEntry>& entries);

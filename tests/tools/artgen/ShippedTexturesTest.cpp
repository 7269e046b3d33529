#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include "TgaDecode.h"

// Checks the textures the build put into the data directory, read as the
// game reads them: textures.txt line by line, option groups, then TGAs.
namespace {

struct ListEntry {
    std::set<char> options;
    std::string path;
};

// Option groups are three characters ("-k ") at the start of the line.
ListEntry ParseLine(const std::string& line)
{
    ListEntry e;
    size_t pos = 0;
    while (pos + 3 < line.size() && line[pos] == '-') {
        e.options.insert(line[pos + 1]);
        pos += 3;
    }
    e.path = line.substr(pos);
    return e;
}

std::vector<ListEntry> ReadList()
{
    std::string text = ReadWholeFile(std::string(VELKAMIRE_DATA_DIR) + "/textures.txt");
    std::vector<ListEntry> entries;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        entries.push_back(ParseLine(text.substr(start, end - start)));
    if (start < text.size()) entries.push_back(ParseLine(text.substr(start)));
    return entries;
}

DecodedTga Load(const ListEntry& e) { return DecodeTga(ReadWholeFile(std::string(VELKAMIRE_DATA_DIR) + "/" + e.path)); }

// What the game's code needs of each texture: its size, how it is cut into
// frames, and which of those frames it draws.
struct Layout {
    unsigned id;
    int width, height, columns, rows;
    std::vector<int> drawn;
};

const Layout LAYOUTS[] = {
    {0, 128, 128, 4, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {1, 32, 32, 1, 1, {0}}, {2, 256, 128, 1, 1, {}}, {3, 32, 32, 1, 1, {0}}, {4, 32, 32, 1, 1, {0}},
    {6, 32, 32, 1, 1, {0}}, {7, 32, 32, 1, 1, {0}}, {8, 64, 64, 2, 2, {0, 1, 2, 3}}, {9, 64, 32, 2, 1, {0, 1}},
    {10, 32, 32, 1, 1, {0}}, {11, 32, 32, 1, 1, {0}}, {12, 32, 32, 1, 1, {0}}, {13, 32, 32, 1, 1, {0}},
    {14, 64, 64, 1, 1, {0}}, {15, 32, 32, 1, 1, {0}}, {16, 32, 32, 1, 1, {0}}, {17, 32, 32, 1, 1, {0}},
    {18, 32, 32, 1, 1, {0}}, {19, 64, 64, 2, 2, {0, 1, 2, 3}}, {20, 1024, 512, 1, 1, {0}},
    {21, 32, 32, 1, 1, {0}}, {22, 64, 32, 2, 1, {0, 1}}, {23, 128, 128, 2, 2, {0, 2}},
    {24, 32, 32, 1, 1, {0}}, {25, 32, 32, 1, 1, {0}},
};

std::vector<Rgba> Cell(const Image& image, const Layout& l, int frame)
{
    int w = l.width / l.columns, h = l.height / l.rows;
    std::vector<Rgba> cell;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) cell.push_back(image.At((frame % l.columns) * w + x, (frame / l.columns) * h + y));
    return cell;
}

TEST(ShippedTextures, ListHasOneLoadableImageForEveryId)
{
    std::vector<ListEntry> list = ReadList();
    ASSERT_EQ(list.size(), 26u);
    std::set<std::pair<int, int>> kinds;
    bool mipmaps = false;
    for (size_t id = 0; id < list.size(); ++id) {
        SCOPED_TRACE("texture " + std::to_string(id) + " " + list[id].path);
        DecodedTga tga = Load(list[id]);
        ASSERT_TRUE(tga.ok) << tga.error;
        kinds.insert({tga.type, tga.bits});
        mipmaps = mipmaps || list[id].options.count('s');
        // The key and brightness options read three bytes a pixel.
        if (list[id].options.count('k') || list[id].options.count('g')) {
            EXPECT_EQ(tga.bits, 24);
        }
    }
    EXPECT_TRUE(mipmaps);
    EXPECT_TRUE(kinds.count({2, 24}) && kinds.count({2, 32}) && kinds.count({10, 24}) && kinds.count({10, 32}));
    EXPECT_EQ(list[0].options, std::set<char>{'k'});
    EXPECT_EQ(list[2].options, std::set<char>{'g'});
    EXPECT_EQ(list[21].options, std::set<char>{'g'});
    EXPECT_TRUE(list[1].options.count('r') && list[18].options.count('r'));
}

TEST(ShippedTextures, SheetsHaveTheLayoutTheGameCutsAndNoBlankOrRepeatedFrames)
{
    std::vector<ListEntry> list = ReadList();
    ASSERT_EQ(list.size(), 26u);
    for (const Layout& l : LAYOUTS) {
        SCOPED_TRACE("texture " + std::to_string(l.id) + " " + list[l.id].path);
        DecodedTga tga = Load(list[l.id]);
        ASSERT_TRUE(tga.ok) << tga.error;
        ASSERT_EQ(tga.image.Width(), l.width);
        ASSERT_EQ(tga.image.Height(), l.height);
        bool keyed = list[l.id].options.count('k') > 0;
        std::vector<std::vector<Rgba>> seen;
        for (int frame : l.drawn) {
            std::vector<Rgba> cell = Cell(tga.image, l, frame);
            size_t keyPixels = std::count(cell.begin(), cell.end(), KEY_COLOUR);
            EXPECT_LT(keyPixels, cell.size()) << "frame " << frame << " is blank";
            // Animated sprites leave their surroundings to the colour key.
            if (keyed && l.drawn.size() > 1) {
                EXPECT_GT(keyPixels, 0u) << "frame " << frame;
            }
            for (const auto& other : seen) EXPECT_NE(cell, other) << "frame " << frame << " repeats another";
            seen.push_back(cell);
        }
    }
}

} // namespace

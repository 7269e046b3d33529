#pragma once
#include <map>
#include <string>

// Eighteen map rows, blank except the given ones (keyed by map line, 0 = top
// row) whose cells are padded with blanks to the full 26.
inline std::string MapText(const std::map<int, std::string>& rows)
{
    std::string text;
    for (int r = 0; r < 18; ++r) {
        std::string cells = rows.count(r) ? rows.at(r) : "";
        cells.resize(26, ' ');
        text += "|" + cells + "|\n";
    }
    return text;
}

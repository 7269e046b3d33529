#include "TextLines.h"
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace soundgen {

std::vector<SourceLine> SplitSource(const std::string& text)
{
    std::vector<SourceLine> lines;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        SourceLine parsed{number, {}};
        for (std::string w; words >> w && w[0] != '#';) parsed.words.push_back(w);
        if (!parsed.words.empty()) lines.push_back(parsed);
    }
    return lines;
}

bool ParseNumber(const std::string& word, double& value)
{
    if (word.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(word.c_str(), &end);
    return errno == 0 && *end == '\0' && std::isfinite(value);
}

std::string LineError(const std::string& fileName, int line, const std::string& message)
{
    return fileName + ":" + std::to_string(line) + ": " + message;
}

} // namespace soundgen

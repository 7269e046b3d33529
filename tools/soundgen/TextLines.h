#pragma once
#include <string>
#include <vector>

namespace soundgen {

// One line of a source file cut into words, with its 1-based line number.
// A word starting with '#' begins a comment that runs to the end of the
// line (so the sharp in "G#3" is not one); blank lines are dropped.
struct SourceLine {
    int number;
    std::vector<std::string> words;
};

std::vector<SourceLine> SplitSource(const std::string& text);

// Parses the whole word as a finite number; false on anything else.
bool ParseNumber(const std::string& word, double& value);

// "file:line: message", the form compilers use, so editors can jump to it.
std::string LineError(const std::string& fileName, int line, const std::string& message);

} // namespace soundgen

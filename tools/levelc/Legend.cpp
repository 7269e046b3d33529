#include "Legend.h"

namespace levelc {
namespace {

struct BuiltinEntry {
    char key;
    const char* stack;
};

const BuiltinEntry BUILTINS[] = {
    {'.', "floor"},
    {'#', "wall"},
    {'B', "floor + block"},
    {'@', "floor + player"},
    {'g', "floor + gas"},
    {'f', "floor + flame"},
    {'n', "floor + nitrogen"},
    {'x', "floor + broken-nitrogen"},
    {'D', "floor + dragon"},
    {'<', "floor + zombie left"},
    {'>', "floor + zombie right"},
    {'^', "floor + zombie up"},
    {'v', "floor + zombie down"},
};

Legend MakeBuiltins()
{
    Legend legend;
    legend[' '] = {};
    for (const BuiltinEntry& e : BUILTINS) {
        std::vector<Token> tokens;
        std::string error;
        Tokenize(e.stack, tokens, error);
        ParseStack(tokens, 0, legend[e.key], error);
    }
    return legend;
}

}  // namespace

const Legend& BuiltinLegend()
{
    static const Legend legend = MakeBuiltins();
    return legend;
}

bool IsLegendKey(char c) { return c > ' ' && c < 0x7F && c != '|'; }

}  // namespace levelc

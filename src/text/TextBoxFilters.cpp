#include "text/TextBoxFilters.h"

namespace {

constexpr uint8_t CHAR_ENTER = 13;
// Typing stops at this length for the filters with a limit; longer preset
// texts are kept whole.
constexpr size_t MAX_TYPED_LENGTH = 35;

bool InRange(uint8_t c, uint8_t low, uint8_t high) { return c >= low && c <= high; }

FilterResult Answer(uint8_t c, bool accepted)
{
    if (c == CHAR_ENTER) return FILTER_FINISH;
    return accepted ? FILTER_ACCEPT : FILTER_REJECT;
}

bool HasRoom(const TextIn& input) { return input.GetText().size() < MAX_TYPED_LENGTH; }

FilterResult TextFilterAny(TextIn& input, uint8_t c) { return Answer(c, HasRoom(input)); }

FilterResult TextFilterName(TextIn& input, uint8_t c) { return Answer(c, InRange(c, ':', 'z') && HasRoom(input)); }

FilterResult TextFilterAlnum(TextIn&, uint8_t c) { return Answer(c, InRange(c, '0', 'z')); }

FilterResult TextFilterDigits(TextIn&, uint8_t c) { return Answer(c, InRange(c, '0', '9')); }

const TextFilter filters[MBF_NUM_FILTERS] = {TextFilterAny, TextFilterName, TextFilterAlnum, TextFilterDigits};

} // namespace

TextFilter GetMessageBoxFilter(uint32_t f) { return f < MBF_NUM_FILTERS ? filters[f] : nullptr; }

#pragma once
#include <cstdint>
#include "text/TextIn.h"

// The character filters a TextBox can put on its input line. Each finishes
// on Enter and rejects whatever it does not accept.
enum MessageBoxFilter : uint32_t {
    MBF_TEXT = 0,    // any character, while the text is shorter than 35
    MBF_NAME = 1,    // ':' to 'z' (no digits, no space), shorter than 35
    MBF_ALNUM = 2,   // '0' to 'z'
    MBF_DIGITS = 3,  // '0' to '9'
    MBF_NUM_FILTERS = 4
};

// The filter with index f, which must be below MBF_NUM_FILTERS.
TextFilter GetMessageBoxFilter(uint32_t f);

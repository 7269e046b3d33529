#pragma once
#include <cstdint>

// The character a byte stands for in the Windows Latin-1 code page: the
// byte itself below 128, the code page's punctuation and letters (euro
// sign, curly quotes, dashes, ...) for 128 to 159, 0 where that code page
// leaves a byte unassigned.
uint32_t Cp1252ToUnicode(uint8_t code);

#pragma once
#include <string>

// Whether bytes hold a whole RIFF/WAVE file: a format chunk of at least 16
// bytes, then a data chunk, every chunk up to it lying inside the bytes.
// The WAV reader trusts the sizes it finds, so a file cut short must be
// refused before it is handed over.
bool IsWholeWav(const std::string& bytes);

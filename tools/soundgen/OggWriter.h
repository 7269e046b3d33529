#pragma once
#include <string>
#include "MusicRenderer.h"

namespace soundgen {

// Encodes stereo music as Ogg Vorbis (variable bit rate, quality -0.1 to
// 1) into `bytes`. The stream serial number is fixed so that the same
// music always gives the same file. False, with a reason, on failure.
bool EncodeOgg(const StereoBuffer& music, int rate, float quality, std::string& bytes, std::string& error);

} // namespace soundgen

#pragma once
#include <vector>
#include "Noise.h"
#include "Score.h"

namespace soundgen {

// Renders one note, starting at its onset, for its length plus whatever
// the instrument lets ring on after it; the last sample is always zero so
// notes never end in a click.
//   pad:   two slightly detuned soft waves, slow rise and fall
//   pluck: a plucked string (a noise burst circulating in a damped delay)
//   bell:  frequency modulation with an inharmonic ratio, decaying
std::vector<float> RenderNote(Instrument instrument, double hz, double seconds,
                              float velocity, int rate, Noise& noise);

} // namespace soundgen

#pragma once
#include <string>
#include "Score.h"

namespace soundgen {

// Reads a score. One command per line; a word starting with '#' begins
// a comment:
//
//   tempo 96                  beats per minute
//   meter 4                   beats per bar (before the first note)
//   bars 22                   length of the loop (before the first note)
//   gain bell 0.3             level of an instrument (pad, pluck, bell)
//   pan bell -0.2             -1 left .. 1 right
//   echo bell 0.75 0.3        delay in beats, level of the first repeat
//   chord 3:1 pad 4 G3 B3 E4  notes together from bar 3 beat 1, 4 beats long
//   seq 3:2.5 bell 0.5 E5 _ - G5
//                             one step of 0.5 beats per word: a note,
//                             '_' holds the note before, '-' is a rest
//
// Positions are bar:beat, both from 1; the beat may be fractional. Notes
// are a letter A-G, an optional '#' or 'b', and an octave -1..9. A word
// "@0.7" sets the velocity of the notes after it on that line.
// Errors are "file:line: message"; on error the score is left unfinished.
bool ParseScore(const std::string& text, const std::string& fileName, Score& score, std::string& error);

// "A4" -> 69; false when the word is not a note name.
bool ParseNoteName(const std::string& word, int& midi);

} // namespace soundgen

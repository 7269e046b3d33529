#pragma once
#include <cstdint>
#include <string>

// Sound files the sound tests make for themselves: a sine tone of the
// given shape, as WAV bytes or as an Ogg Vorbis file.

std::string WavBytes(uint16_t channels, uint16_t bitsPerSample, uint32_t rate, uint32_t frames);

// Encodes seconds of tone to path; false if the encoder refused the shape.
bool WriteOggTone(const std::string& path, int channels, long rate, float seconds);

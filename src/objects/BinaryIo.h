#pragma once
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

// Little-endian fields and zero-terminated names of level files. A read
// cut short by the end of the stream leaves the missing bytes zero.
uint32_t ReadU32(std::istream& in);
int32_t ReadI32(std::istream& in);
void WriteU32(std::ostream& out, uint32_t value);
void WriteI32(std::ostream& out, int32_t value);
void WriteF32(std::ostream& out, float value);
// Reads up to a zero byte (consumed, not stored) or the end of the stream.
std::string ReadName(std::istream& in);
void WriteName(std::ostream& out, const std::string& name);

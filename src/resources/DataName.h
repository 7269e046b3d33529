#pragma once
#include <sstream>
#include <string>

// A data name is a disk path, or "*name.type" for a resource compiled into
// the executable. The star part splits at its first dot: the type may hold
// further dots, and a name with no dot has no type and is never found.

// Fills stream with the embedded resource (name is the part after the
// star) and rewinds it. Says "Could not find resource" when there is none.
bool LoadResourceStream(std::stringstream& stream, const std::string& name);

// Reads a whole data name, star or disk, into bytes; false when it cannot.
bool ReadDataName(const std::string& dataName, std::string& bytes);

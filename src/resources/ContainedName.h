#pragma once
#include <string>

// Whether a name taken from a file or typed at a prompt may be joined to
// the folder it belongs in. Refused: a name that is empty once white space
// is trimmed, an absolute name (a leading slash or backslash, or a drive
// letter) and any name with a ".." component, since each of these can
// reach outside the folder. Plain file names and names going down into
// subfolders pass. Both slash and backslash count as separators, so that a
// name stays refused on every system it may travel to.
bool IsContainedName(const std::string& name);

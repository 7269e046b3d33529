#pragma once
#include <string>

// Writes bytes to a temporary file beside path, then renames it over path.
// Either the whole new content is in place or the old file is untouched,
// even when the program is killed midway. The temporary has a name of its
// own, hidden and carrying the writer's process id, so no other file in
// the folder is ever overwritten; temporaries of path left behind by a
// writer that no longer runs are removed by the next write of path. A file
// that may not be written (read-only) is refused, not replaced, and keeps
// its permissions when it is replaced.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Whether name (a bare file name) is a temporary that WriteFileAtomically
// makes while writing the file called target, in the same folder.
bool IsTemporaryOf(const std::string& name, const std::string& target);

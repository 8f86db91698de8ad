// Where garland.ini lives: beside the executable.
#pragma once

#include <cstddef>

namespace festoon {

extern const char kProfileFileName[]; // "garland.ini"

// Turns the executable's full path into the path of garland.ini in the same
// folder. Returns false, leaving out empty, when the path has no folder or the
// result does not fit in size characters (terminator included).
bool ProfilePathFromModule(const char* modulePath, char* out, std::size_t size);

} // namespace festoon

// Where garland.ini and the program's other files live: beside the executable.
// Paths are wide, so that a folder named in any script works.
#pragma once

#include <cstddef>

namespace festoon {

extern const wchar_t kProfileFileName[]; // "garland.ini"

// Turns the executable's full path into the path of the file name in the same
// folder. Returns false, leaving out empty, when the path has no folder or the
// result does not fit in size characters (terminator included).
bool FolderFilePath(const wchar_t* modulePath, const wchar_t* name, wchar_t* out, std::size_t size);

} // namespace festoon

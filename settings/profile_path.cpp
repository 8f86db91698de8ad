// Profile path rule: keep the executable's folder, trailing backslash
// included, and append the file name.
#include "settings/profile_path.h"

#include <cstring>

namespace festoon {

const char kProfileFileName[] = "garland.ini";

bool ProfilePathFromModule(const char* modulePath, char* out, std::size_t size) {
    if (size == 0) return false;
    out[0] = '\0';
    if (modulePath == nullptr) return false;
    const char* slash = std::strrchr(modulePath, '\\');
    if (slash == nullptr) return false;
    std::size_t dirLen = static_cast<std::size_t>(slash - modulePath) + 1;
    std::size_t nameLen = std::strlen(kProfileFileName);
    if (dirLen + nameLen + 1 > size) return false;
    std::memcpy(out, modulePath, dirLen);
    std::memcpy(out + dirLen, kProfileFileName, nameLen + 1);
    return true;
}

} // namespace festoon

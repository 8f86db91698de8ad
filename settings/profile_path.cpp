// Folder file rule: keep the executable's folder, trailing backslash
// included, and append the file name.
#include "settings/profile_path.h"

#include <cwchar>

namespace festoon {

const wchar_t kProfileFileName[] = L"garland.ini";

bool FolderFilePath(const wchar_t* modulePath, const wchar_t* name, wchar_t* out,
                    std::size_t size) {
    if (size == 0) return false;
    out[0] = L'\0';
    if (modulePath == nullptr || name == nullptr) return false;
    const wchar_t* slash = std::wcsrchr(modulePath, L'\\');
    if (slash == nullptr) return false;
    const std::size_t dirLen = static_cast<std::size_t>(slash - modulePath) + 1;
    const std::size_t nameLen = std::wcslen(name);
    if (dirLen + nameLen + 1 > size) return false;
    std::wmemcpy(out, modulePath, dirLen);
    std::wmemcpy(out + dirLen, name, nameLen + 1);
    return true;
}

} // namespace festoon

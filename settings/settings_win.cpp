// The Profile of the settings code, implemented with the wide private-profile
// calls on garland.ini in the executable's folder, so that a folder named
// outside the system's ANSI code page works too. The file keeps its ANSI
// text: values cross into wide characters and back through that code page.
// The path is worked out on every access.
#include "settings/settings_win.h"

#include <windows.h>

#include <string>

#include "app/dialogs_win.h"
#include "resource.h"
#include "settings/profile_path.h"

namespace {

const PlacementKeeper* gKeeper;

int KeeperWindowExists() { return gKeeper && gKeeper->exists && gKeeper->exists(); }

std::wstring Widen(const char* text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
    wide.resize(static_cast<std::size_t>(n - 1));
    return wide;
}

// Copies a wide text into out as ANSI text, cut to size - 1 bytes.
void Narrow(const wchar_t* text, char* out, std::size_t size) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(n > 0 ? static_cast<std::size_t>(n) : 1, '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], n, nullptr, nullptr);
    lstrcpynA(out, narrow.c_str(), static_cast<int>(size));
}

// Without its file the program runs on defaults and forgets every change; the
// user hears of it once per run, not at every access.
void ReportUnreachableProfile() {
    static int told = 0;
    if (told) return;
    told = 1;
    char text[256];
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_PATH_TOO_LONG, text, sizeof text) > 0)
        InformationBox(text);
}

class IniProfile : public festoon::Profile {
  public:
    IniProfile() {
        ok_ = ProgramFilePath(festoon::kProfileFileName, path_, MAX_PATH);
        if (!ok_) ReportUnreachableProfile();
    }

    int GetInt(const char* section, const char* key, int def) override {
        return festoon::ReadInt(*this, section, key, def);
    }
    void GetString(const char* section, const char* key, const char* def, char* out,
                   std::size_t size) override {
        if (size == 0) return;
        lstrcpynA(out, def, static_cast<int>(size));
        if (!ok_) return;
        std::wstring value(size, L'\0');
        GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(def).c_str(),
                                 &value[0], static_cast<DWORD>(size), path_);
        Narrow(value.c_str(), out, size);
    }
    void WriteString(const char* section, const char* key, const char* value) override {
        if (!ok_) return;
        const std::wstring wideValue = value ? Widen(value) : std::wstring();
        WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                   value ? wideValue.c_str() : nullptr, path_);
    }
    bool Exists() override { return ok_ && GetFileAttributesW(path_) != INVALID_FILE_ATTRIBUTES; }

  private:
    wchar_t path_[MAX_PATH] = {};
    int ok_ = 0;
};

} // namespace

int ProgramFilePath(const wchar_t* name, wchar_t* out, std::size_t size) {
    if (size == 0) return 0;
    out[0] = L'\0';
    // Long enough for any path the system can hand out.
    std::wstring module(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, &module[0], static_cast<DWORD>(module.size()));
    if (n == 0 || n >= module.size()) return 0;
    const std::size_t room = size < MAX_PATH ? size : MAX_PATH;
    return festoon::FolderFilePath(module.c_str(), name, out, room) ? 1 : 0;
}

namespace {

// 1 when the code page spells the wide text exactly and it fits.
int ToAnsiExactly(const wchar_t* wide, char* out, std::size_t size) {
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, out,
                                      static_cast<int>(size), nullptr, &lossy);
    return n > 0 && !lossy;
}

} // namespace

int ProgramFolderAnsi(char* out, std::size_t size) {
    if (size == 0) return 0;
    out[0] = '\0';
    wchar_t folder[MAX_PATH];
    if (!ProgramFilePath(L"", folder, MAX_PATH)) return 0;
    if (ToAnsiExactly(folder, out, size)) return 1;
    wchar_t shortFolder[MAX_PATH];
    const DWORD n = GetShortPathNameW(folder, shortFolder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH || !ToAnsiExactly(shortFolder, out, size)) {
        out[0] = '\0';
        return 0;
    }
    return 1;
}

void SetPlacementKeeper(const PlacementKeeper* keeper) { gKeeper = keeper; }

void LoadSettingsFile() {
    IniProfile profile;
    const int placed = KeeperWindowExists();
    festoon::LoadSettings(gSettings, profile, placed != 0);
    if (placed && !gSettings.EventNotify.IsEmpty() && gKeeper->remember)
        gKeeper->remember(gSettings.EventNotify);
}

void SaveSettingsFile() {
    IniProfile profile;
    const int placed = KeeperWindowExists();
    if (placed && gKeeper->recall) gKeeper->recall(&gSettings.EventNotify);
    festoon::SaveSettings(gSettings, profile, placed != 0);
}

void WriteProfileKey(const char* section, const char* key, const char* value) {
    IniProfile profile;
    profile.WriteString(section, key, value);
}

void ReadProfileKey(const char* section, const char* key, char* out, std::size_t size) {
    if (size == 0) return;
    char buf[festoon::kNameChars + 1];
    IniProfile profile;
    profile.GetString(section, key, "", buf, sizeof buf);
    lstrcpynA(out, buf, static_cast<int>(size));
}

void ReadProfileText(const char* section, const char* key, char* out, std::size_t size) {
    IniProfile profile;
    profile.GetString(section, key, "", out, size);
}

// The Profile of the settings code, implemented with GetPrivateProfileIntA,
// GetPrivateProfileStringA and WritePrivateProfileStringA on garland.ini in
// the executable's folder. The path is worked out on every access.
#include "settings/settings_win.h"

#include <windows.h>

#include "settings/profile_path.h"

namespace {

const PlacementKeeper* gKeeper;

int KeeperWindowExists() { return gKeeper && gKeeper->exists && gKeeper->exists(); }

// Fills path with garland.ini's path; 0 when the executable's own path does
// not fit (the profile calls are then skipped and defaults stand).
int ProfilePath(char* path, std::size_t size) {
    char module[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
    if (n == 0 || n >= sizeof module - 1) return 0;
    return festoon::ProfilePathFromModule(module, path, size) ? 1 : 0;
}

class IniProfile : public festoon::Profile {
  public:
    IniProfile() { ok_ = ProfilePath(path_, sizeof path_); }

    int GetInt(const char* section, const char* key, int def) override {
        return festoon::ReadInt(*this, section, key, def);
    }
    void GetString(const char* section, const char* key, const char* def, char* out,
                   std::size_t size) override {
        if (size == 0) return;
        lstrcpynA(out, def, static_cast<int>(size));
        if (ok_) GetPrivateProfileStringA(section, key, def, out, static_cast<DWORD>(size), path_);
        out[size - 1] = '\0';
    }
    void WriteString(const char* section, const char* key, const char* value) override {
        if (ok_) WritePrivateProfileStringA(section, key, value, path_);
    }
    bool Exists() override { return ok_ && GetFileAttributesA(path_) != INVALID_FILE_ATTRIBUTES; }

  private:
    char path_[MAX_PATH] = {};
    int ok_ = 0;
};

} // namespace

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

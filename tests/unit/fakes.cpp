#include "fakes.h"

#include <cstdlib>
#include <cstring>
#include <set>

#include "lights/random.h"

namespace fake {

namespace {
std::deque<int> gScript;
ScriptedRandom* gActive = nullptr;
std::uint32_t gFallback = 1;
} // namespace

ScriptedRandom::ScriptedRandom(std::vector<int> script, std::uint32_t seed) {
    gScript.assign(script.begin(), script.end());
    gFallback = seed;
    gActive = this;
    festoon::SetRandomSource(&ScriptedRandom::Draw);
}

ScriptedRandom::~ScriptedRandom() {
    festoon::SetRandomSource(nullptr);
    gActive = nullptr;
}

int ScriptedRandom::Draw(int n) {
    if (gActive) gActive->bounds.push_back(n);
    if (!gScript.empty()) {
        int v = gScript.front();
        gScript.pop_front();
        return v % n;
    }
    gFallback = gFallback * 1664525u + 1013904223u;
    return static_cast<int>((gFallback >> 8) % static_cast<std::uint32_t>(n));
}

std::uint32_t Clock::ticks = 0;
Clock::Clock(std::uint32_t start) {
    ticks = start;
    festoon::SetTickSource([] { return ticks; });
}
Clock::~Clock() { festoon::SetTickSource(nullptr); }

static std::string Key(const char* section, const char* key) {
    return std::string(section) + "/" + key;
}

int MemoryProfile::GetInt(const char* section, const char* key, int def) {
    auto it = values.find(Key(section, key));
    if (it == values.end()) return def;
    const char* p = it->second.c_str();
    while (*p == ' ') ++p;
    char* end = nullptr;
    long v = std::strtol(p, &end, 10);
    return end == p ? def : static_cast<int>(v);
}

void MemoryProfile::GetString(const char* section, const char* key, const char* def, char* out,
                              std::size_t size) {
    auto it = values.find(Key(section, key));
    std::string v = it == values.end() ? def : it->second;
    std::strncpy(out, v.c_str(), size - 1);
    out[size - 1] = '\0';
}

void MemoryProfile::WriteString(const char* section, const char* key, const char* value) {
    writes.push_back(Key(section, key));
    if (value)
        values[Key(section, key)] = value;
    else
        values.erase(Key(section, key));
    exists = true;
}

bool MemoryProfile::Has(const std::string& section, const std::string& key) const {
    return values.count(section + "/" + key) != 0;
}

std::string MemoryProfile::Get(const std::string& section, const std::string& key) const {
    auto it = values.find(section + "/" + key);
    return it == values.end() ? std::string("<missing>") : it->second;
}

festoon::IconLoader NameLoader() {
    static std::set<std::string> interned;
    festoon::IconLoader l;
    l.load = [](void*, const char* name) -> festoon::IconHandle {
        return interned.insert(name).first->c_str();
    };
    return l;
}

std::string NameOf(festoon::IconHandle h) { return h ? static_cast<const char*>(h) : "<null>"; }

} // namespace fake

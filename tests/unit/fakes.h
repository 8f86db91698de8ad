// Test doubles for the core's seams: a scripted random source, a settable
// clock, an in-memory profile file and an icon loader that records names.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "lights/bulbs.h"
#include "settings/settings.h"

namespace fake {

// While alive, R(n) returns the scripted values in turn (each taken modulo n),
// then falls back to a seeded generator; the draws are recorded.
class ScriptedRandom {
  public:
    explicit ScriptedRandom(std::vector<int> script = {}, std::uint32_t seed = 12345);
    ~ScriptedRandom();
    std::vector<int> bounds; // the n of every draw, in order

  private:
    static int Draw(int n);
};

// While alive, Now() returns the value of ticks.
class Clock {
  public:
    explicit Clock(std::uint32_t start = 1000);
    ~Clock();
    static std::uint32_t ticks;
};

// Profile on a map of "section/key" -> text, parsing integers as the
// private-profile calls do (leading sign and digits, else the default).
class MemoryProfile : public festoon::Profile {
  public:
    std::map<std::string, std::string> values;
    bool exists = false;
    std::vector<std::string> writes; // "section/key" in write order

    int GetInt(const char* section, const char* key, int def) override;
    void GetString(const char* section, const char* key, const char* def, char* out,
                   std::size_t size) override;
    void WriteString(const char* section, const char* key, const char* value) override;
    bool Exists() override { return exists; }

    bool Has(const std::string& section, const std::string& key) const;
    std::string Get(const std::string& section, const std::string& key) const;
};

// An icon loader whose handles are the interned names.
festoon::IconLoader NameLoader();
std::string NameOf(festoon::IconHandle h);

} // namespace fake

// Writes the carol as a format-1 Standard MIDI File from note data kept here, and
// synthesises the key click. The melody is "Deck the Halls" in G major, a tune in
// the public domain; the arrangement (bass, strings, bells, harmony) is our own.
#include "tools/artgen/tune.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace art {

namespace {

const int kPpq = 480;
const int kEighth = kPpq / 2;
const int kBar = 4 * kPpq;

// One line of the melody per entry: "pitch:eighths", bars separated by '|'.
const char* const kLines[4] = {
    "D5:3 C5:1 B4:2 A4:2 | G4:2 A4:2 B4:2 G4:2 | A4:1 B4:1 C5:1 A4:1 B4:3 A4:1 | G4:2 F#4:2 G4:4",
    "D5:3 C5:1 B4:2 A4:2 | G4:2 A4:2 B4:2 G4:2 | A4:1 B4:1 C5:1 A4:1 B4:3 A4:1 | G4:2 F#4:2 G4:4",
    "A4:3 B4:1 C5:2 A4:2 | B4:3 C5:1 D5:2 A4:2 | B4:1 C#5:1 D5:2 E5:1 F#5:1 G5:2 | F#5:2 E5:2 D5:4",
    "D5:3 C5:1 B4:2 A4:2 | G4:2 A4:2 B4:2 G4:2 | E5:1 E5:1 E5:1 E5:1 D5:3 C5:1 | B4:2 A4:2 G4:4",
};

// Chords of each line, "name:beats".
const char* const kChords[4] = {
    "G:4 G:2 Em:2 D7:2 G:2 G:1 D7:1 G:2",
    "G:4 G:2 Em:2 D7:2 G:2 G:1 D7:1 G:2",
    "D7:4 G:2 D:2 D:2 A7:2 D:1 A7:1 D:2",
    "G:4 G:2 Em:2 C:2 D7:2 G:1 D7:1 G:2",
};

struct Note {
    int pitch; // MIDI note number
    int start; // ticks
    int len;
};

struct Chord {
    int root;               // pitch class
    std::vector<int> tones; // pitch classes
    int start, len;
};

int PitchOf(const std::string& s) {
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int pc = base[s[0] - 'A'];
    size_t i = 1;
    if (s[i] == '#') {
        ++pc;
        ++i;
    } else if (s[i] == 'b') {
        --pc;
        ++i;
    }
    int octave = s[i] - '0';
    return 12 * (octave + 1) + pc;
}

std::vector<Note> ParseLine(const char* text, int start) {
    std::vector<Note> out;
    std::string tok;
    int t = start;
    std::string s = std::string(text) + " ";
    for (char c : s) {
        if (c == ' ' || c == '|') {
            if (!tok.empty()) {
                size_t colon = tok.find(':');
                int len = std::atoi(tok.c_str() + colon + 1) * kEighth;
                out.push_back({PitchOf(tok.substr(0, colon)), t, len});
                t += len;
                tok.clear();
            }
        } else {
            tok += c;
        }
    }
    return out;
}

std::vector<Chord> ParseChords(const char* text, int start) {
    std::vector<Chord> out;
    std::string s = std::string(text) + " ", tok;
    int t = start;
    for (char c : s) {
        if (c != ' ') {
            tok += c;
            continue;
        }
        if (tok.empty()) continue;
        size_t colon = tok.find(':');
        std::string name = tok.substr(0, colon);
        int len = std::atoi(tok.c_str() + colon + 1) * kPpq;
        int root = PitchOf(name.substr(0, 1) + "0") % 12;
        Chord ch{root, {}, t, len};
        bool minor = name.size() > 1 && name[1] == 'm';
        bool seventh = name.back() == '7';
        ch.tones = {root, (root + (minor ? 3 : 4)) % 12, (root + 7) % 12};
        if (seventh) ch.tones.push_back((root + 10) % 12);
        out.push_back(ch);
        t += len;
        tok.clear();
    }
    return out;
}

// The note a diatonic third below, in G major, or D major where the tune has C#.
int ThirdBelow(int pitch, bool dMajor) {
    static const int g[7] = {7, 9, 11, 0, 2, 4, 6};
    static const int d[7] = {2, 4, 6, 7, 9, 11, 1};
    const int* scale = dMajor ? d : g;
    int pc = pitch % 12;
    for (int i = 0; i < 7; ++i) {
        if (scale[i] != pc) continue;
        int target = scale[(i + 5) % 7];
        int p = pitch - 1;
        while (p % 12 != target) --p;
        return p;
    }
    return pitch - 4;
}

struct Event {
    int tick;
    int order; // at equal ticks: meta first, then note-offs, then the rest
    std::vector<uint8_t> data;
};

class Track {
  public:
    void Meta(int tick, uint8_t type, const std::string& text) {
        std::vector<uint8_t> d = {0xFF, type};
        Vlq(d, uint32_t(text.size()));
        d.insert(d.end(), text.begin(), text.end());
        events_.push_back({tick, 0, d});
    }
    void MetaBytes(int tick, uint8_t type, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> d = {0xFF, type, uint8_t(bytes.size())};
        d.insert(d.end(), bytes.begin(), bytes.end());
        events_.push_back({tick, 0, d});
    }
    void Program(int tick, int ch, int program) {
        events_.push_back({tick, 2, {uint8_t(0xC0 | ch), uint8_t(program)}});
    }
    void Control(int tick, int ch, int cc, int value) {
        events_.push_back({tick, 2, {uint8_t(0xB0 | ch), uint8_t(cc), uint8_t(value)}});
    }
    void NoteOn(int ch, int pitch, int start, int len, int velocity) {
        events_.push_back({start, 3, {uint8_t(0x90 | ch), uint8_t(pitch), uint8_t(velocity)}});
        events_.push_back({start + len, 1, {uint8_t(0x80 | ch), uint8_t(pitch), 0x40}});
    }
    std::vector<uint8_t> Chunk(int endTick) {
        std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        int now = 0;
        for (const Event& e : events_) {
            Vlq(body, uint32_t(e.tick - now));
            now = e.tick;
            body.insert(body.end(), e.data.begin(), e.data.end());
        }
        Vlq(body, uint32_t(std::max(0, endTick - now)));
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
        for (int s = 24; s >= 0; s -= 8) chunk.push_back(uint8_t(body.size() >> s));
        chunk.insert(chunk.end(), body.begin(), body.end());
        return chunk;
    }

  private:
    static void Vlq(std::vector<uint8_t>& out, uint32_t v) {
        uint8_t buf[5];
        int n = 0;
        buf[n++] = uint8_t(v & 0x7F);
        while (v >>= 7) buf[n++] = uint8_t(0x80 | (v & 0x7F));
        while (n) out.push_back(buf[--n]);
    }
    std::vector<Event> events_;
};

void Tempo(Track& t, int tick, int bpm) {
    uint32_t us = uint32_t(60000000 / bpm);
    t.MetaBytes(tick, 0x51, {uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
}

// Pitch classes placed into the octave band [lo, lo + 12).
int InBand(int pc, int lo) {
    int p = lo + ((pc - lo) % 12 + 12) % 12;
    return p;
}

} // namespace

Bytes XmasTune() {
    enum { kMelody = 0, kBass = 1, kStrings = 2, kGlock = 3, kDrums = 9 };
    Track conductor, melody, harmony, bass, strings, drums;
    conductor.Meta(0, 0x03, "Deck the Halls");
    conductor.Meta(0, 0x01, "Traditional Welsh carol, arranged for Festoon");
    conductor.MetaBytes(0, 0x58, {4, 2, 24, 8}); // 4/4
    conductor.MetaBytes(0, 0x59, {1, 0});        // G major
    Tempo(conductor, 0, 112);

    melody.Meta(0, 0x03, "Melody");
    harmony.Meta(0, 0x03, "Glockenspiel");
    bass.Meta(0, 0x03, "Bass");
    strings.Meta(0, 0x03, "Strings");
    drums.Meta(0, 0x03, "Sleigh bells");
    const int setup[4][4] = {
        {kMelody, 10, 110, 64}, {kBass, 32, 100, 58}, {kStrings, 48, 70, 72}, {kGlock, 9, 72, 50}};
    for (const auto& s : setup) {
        Track& t = s[0] == kMelody    ? melody
                   : s[0] == kBass    ? bass
                   : s[0] == kStrings ? strings
                                      : harmony;
        t.Program(0, s[0], s[1]);
        t.Control(0, s[0], 7, s[2]);  // volume
        t.Control(0, s[0], 10, s[3]); // pan
        t.Control(0, s[0], 91, 60);   // reverb
    }
    drums.Control(0, kDrums, 7, 80);

    // Sections: the last line as an introduction, then three verses.
    struct Section {
        int firstLine, lines, verse; // verse 0 = introduction
    };
    const Section sections[4] = {{3, 1, 0}, {0, 4, 1}, {0, 4, 2}, {0, 4, 3}};
    int t = 0;
    for (const Section& sec : sections) {
        if (sec.verse == 2) melody.Program(t, kMelody, 73); // flute for the second verse
        if (sec.verse == 3) melody.Program(t, kMelody, 10);
        for (int li = sec.firstLine; li < sec.firstLine + sec.lines; ++li) {
            int quiet = sec.verse == 0 ? -25 : 0;
            for (const Note& n : ParseLine(kLines[li], t)) {
                melody.NoteOn(kMelody, n.pitch, n.start, n.len - 20, 96 + quiet);
                if (sec.verse == 3) {
                    bool dMajor = li == 2 && n.start >= t + kBar;
                    harmony.NoteOn(kGlock, n.pitch + 12, n.start, n.len - 20, 70);
                    melody.NoteOn(kMelody, ThirdBelow(n.pitch, dMajor), n.start, n.len - 20, 70);
                }
            }
            for (const Chord& c : ParseChords(kChords[li], t)) {
                // Strings hold the chord; the bass plays root and fifth.
                for (int pc : c.tones)
                    strings.NoteOn(kStrings, InBand(pc, 55), c.start, c.len - 10, 58 + quiet);
                int root = InBand(c.root, 38);
                int fifth = root + 7 > 50 ? root - 5 : root + 7;
                if (sec.verse <= 1) {
                    bass.NoteOn(kBass, root, c.start, std::min(c.len, 2 * kPpq) - 30, 90 + quiet);
                    if (c.len > 2 * kPpq)
                        bass.NoteOn(kBass, fifth, c.start + 2 * kPpq, c.len - 2 * kPpq - 30, 84);
                } else {
                    for (int b = 0; b < c.len / kPpq; ++b)
                        bass.NoteOn(kBass, b % 2 ? fifth : root, c.start + b * kPpq, kPpq - 40,
                                    b % 2 ? 80 : 92);
                }
            }
            // Sleigh bells: on the off beats in verse two, every eighth in verse three.
            for (int e = 0; e < 32 && sec.verse >= 2; ++e) {
                int tick = t + e * kEighth;
                if (sec.verse == 2 && (e % 4) != 2) continue;
                int vel = (e % 4 == 2) ? 90 : (e % 2 ? 50 : 64);
                drums.NoteOn(kDrums, 83, tick, kEighth / 2, vel);
            }
            t += 4 * kBar;
        }
    }
    // Slow down into the final chord.
    Tempo(conductor, t - kBar, 96);
    for (int p : {43, 55, 59, 62, 67}) strings.NoteOn(kStrings, p, t, 2 * kBar - 60, 70);
    bass.NoteOn(kBass, 31, t, 2 * kBar - 60, 92);
    melody.NoteOn(kMelody, 67, t, 2 * kBar - 60, 96);
    melody.NoteOn(kMelody, 71, t, 2 * kBar - 60, 80);
    harmony.NoteOn(kGlock, 79, t, kBar, 80);
    drums.NoteOn(kDrums, 81, t, kPpq, 70); // open triangle
    int end = t + 2 * kBar;

    Bytes file = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 6, uint8_t(kPpq >> 8), uint8_t(kPpq & 0xFF)};
    for (Track* tr : {&conductor, &melody, &harmony, &bass, &strings, &drums}) {
        std::vector<uint8_t> c = tr->Chunk(end);
        file.insert(file.end(), c.begin(), c.end());
    }
    return file;
}

Bytes KeyClick() {
    // A sharp attack of noise over a quickly dying 2.4 kHz ring and a soft low
    // thump, slightly wider on the right than the left so it sounds like a key.
    const int frames = 1000, rate = 22050;
    std::vector<uint8_t> data;
    uint32_t seed = 0x1234567u;
    for (int i = 0; i < frames; ++i) {
        float t = float(i) / rate;
        seed = seed * 1664525u + 1013904223u;
        float noise = float(int(seed >> 16) & 0xFFFF) / 32768.0f - 1.0f;
        float attack = std::exp(-t / 0.0012f);
        float ring = std::sin(2 * 3.14159265f * 2400.0f * t) * std::exp(-t / 0.006f);
        float thump = std::sin(2 * 3.14159265f * 180.0f * t) * std::exp(-t / 0.010f);
        float v = 0.75f * noise * attack + 0.35f * ring + 0.25f * thump;
        float left = v * 0.9f, right = v;
        if (i > frames - 60) { // fade the last frames to exact silence
            float f = float(frames - 1 - i) / 60.0f;
            left *= f;
            right *= f;
        }
        data.push_back(uint8_t(std::clamp(128.0f + 110.0f * left, 0.0f, 255.0f)));
        data.push_back(uint8_t(std::clamp(128.0f + 110.0f * right, 0.0f, 255.0f)));
    }
    return WriteWav8Stereo(data, rate);
}

} // namespace art

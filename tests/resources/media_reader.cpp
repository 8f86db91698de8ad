// Wave header and Standard MIDI File parsing. The MIDI reader walks every event,
// including running status, system exclusive and meta events, so a malformed
// track shows up as an error rather than as a wrong count.
#include "media_reader.h"

#include <algorithm>
#include <map>

namespace restest {

namespace {

uint32_t Le16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Le32(const uint8_t* p) { return Le16(p) | Le16(p + 2) << 16; }
uint32_t Be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
uint32_t Be16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }

} // namespace

std::optional<WaveInfo> ParseWave(const uint8_t* d, size_t size) {
    if (size < 12 || std::string(reinterpret_cast<const char*>(d), 4) != "RIFF" ||
        std::string(reinterpret_cast<const char*>(d + 8), 4) != "WAVE")
        return std::nullopt;
    WaveInfo w;
    w.riffSize = Le32(d + 4);
    bool haveFmt = false, haveData = false;
    size_t at = 12;
    while (at + 8 <= size) {
        std::string id(reinterpret_cast<const char*>(d + at), 4);
        uint32_t len = Le32(d + at + 4);
        if (at + 8 + len > size) return std::nullopt;
        const uint8_t* body = d + at + 8;
        if (id == "fmt " && len >= 16) {
            w.format = int(Le16(body));
            w.channels = int(Le16(body + 2));
            w.rate = int(Le32(body + 4));
            w.byteRate = int(Le32(body + 8));
            w.blockAlign = int(Le16(body + 12));
            w.bits = int(Le16(body + 14));
            haveFmt = true;
        } else if (id == "data") {
            w.samples.assign(body, body + len);
            haveData = true;
        }
        at += 8 + len + (len & 1);
    }
    if (!haveFmt || !haveData) return std::nullopt;
    return w;
}

MidiFile ParseMidi(const std::vector<uint8_t>& f) {
    MidiFile m;
    if (f.size() < 14 || std::string(f.begin(), f.begin() + 4) != "MThd" || Be32(&f[4]) != 6) {
        m.error = "no MThd header";
        return m;
    }
    m.format = int(Be16(&f[8]));
    int declared = int(Be16(&f[10]));
    m.division = int(Be16(&f[12]));
    size_t at = 14;
    while (at + 8 <= f.size()) {
        std::string id(f.begin() + long(at), f.begin() + long(at) + 4);
        uint32_t len = Be32(&f[at + 4]);
        if (at + 8 + len > f.size()) {
            m.error = "chunk runs past the end of the file";
            return m;
        }
        if (id != "MTrk") { // unknown chunks are allowed and skipped
            at += 8 + len;
            continue;
        }
        ++m.tracks;
        const uint8_t* p = &f[at + 8];
        const uint8_t* end = p + len;
        uint32_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        std::map<std::pair<int, int>, std::vector<MidiNote>> sounding;
        auto vlq = [&](uint32_t& v) {
            v = 0;
            for (int i = 0; i < 4; ++i) {
                if (p >= end) return false;
                uint8_t b = *p++;
                v = (v << 7) | (b & 0x7F);
                if (!(b & 0x80)) return true;
            }
            return false;
        };
        while (p < end && !ended) {
            uint32_t delta;
            if (!vlq(delta)) {
                m.error = "bad delta time";
                return m;
            }
            tick += delta;
            if (p >= end) break;
            uint8_t b = *p;
            if (b & 0x80) {
                status = b;
                ++p;
            } else if (status < 0x80 || status >= 0xF0) {
                m.error = "data byte without running status";
                return m;
            }
            if (status == 0xFF) {
                if (p >= end) break;
                uint8_t type = *p++;
                uint32_t n;
                if (!vlq(n) || p + n > end) {
                    m.error = "bad meta event";
                    return m;
                }
                if (type == 0x51 && n == 3)
                    m.tempos.push_back({tick, uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]});
                if (type == 0x2F) ended = true;
                p += n;
                status = 0;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {
                uint32_t n;
                if (!vlq(n) || p + n > end) {
                    m.error = "bad sysex";
                    return m;
                }
                p += n;
                status = 0;
                continue;
            }
            int kind = status & 0xF0, ch = status & 0x0F;
            int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (p + dataBytes > end) {
                m.error = "event cut short";
                return m;
            }
            int d1 = p[0], d2 = dataBytes == 2 ? p[1] : 0;
            p += dataBytes;
            if (d1 > 127 || d2 > 127) {
                m.error = "data byte above 127";
                return m;
            }
            if (kind == 0x90 && d2 > 0) {
                auto& list = sounding[{ch, d1}];
                if (!list.empty()) ++m.overlaps;
                list.push_back({ch, d1, d2, tick, tick});
            } else if (kind == 0x80 || kind == 0x90) {
                auto& list = sounding[{ch, d1}];
                if (list.empty()) {
                    ++m.unmatchedNoteOffs;
                } else {
                    MidiNote n = list.front();
                    list.erase(list.begin());
                    n.end = tick;
                    m.notes.push_back(n);
                }
            } else if (kind == 0xC0) {
                m.programs.push_back({ch, d1});
            }
        }
        if (!ended || p != end) {
            m.error = "track does not finish with its end-of-track event";
            return m;
        }
        for (auto& kv : sounding) m.notesStillOn += int(kv.second.size());
        m.endTick = std::max(m.endTick, tick);
        at += 8 + len;
    }
    if (at != f.size())
        m.error = "trailing bytes after the last chunk";
    else if (m.tracks != declared)
        m.error = "header track count does not match";
    std::sort(m.tempos.begin(), m.tempos.end(),
              [](const MidiTempo& a, const MidiTempo& b) { return a.tick < b.tick; });
    return m;
}

double MidiSeconds(const MidiFile& m, uint32_t tick) {
    double seconds = 0;
    uint32_t at = 0, us = 500000;
    for (const MidiTempo& t : m.tempos) {
        if (t.tick >= tick) break;
        seconds += double(t.tick - at) * us / 1e6 / m.division;
        at = t.tick;
        us = t.usPerQuarter;
    }
    return seconds + double(tick - at) * us / 1e6 / m.division;
}

} // namespace restest

// Readers for the sound formats: the header of a PCM wave file and a Standard
// MIDI File reduced to its tracks, notes, programs and tempo changes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace restest {

struct WaveInfo {
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<uint8_t> samples;
    uint32_t riffSize = 0;
};
std::optional<WaveInfo> ParseWave(const uint8_t* data, size_t size);

struct MidiNote {
    int channel, pitch, velocity;
    uint32_t start, end; // ticks
};
struct MidiTempo {
    uint32_t tick;
    uint32_t usPerQuarter;
};
struct MidiFile {
    int format = 0, division = 0;
    int tracks = 0;
    std::vector<MidiNote> notes;
    std::vector<MidiTempo> tempos;
    std::vector<std::pair<int, int>> programs; // channel, program
    uint32_t endTick = 0;                      // latest end-of-track
    int unmatchedNoteOffs = 0;
    int notesStillOn = 0; // note-ons never ended
    int overlaps = 0;     // a note started again on a key still sounding
    std::string error;    // empty when the file parsed completely
};
MidiFile ParseMidi(const std::vector<uint8_t>& file);
// Playing time from tick 0 to `tick` under the tempo map (default 120 bpm).
double MidiSeconds(const MidiFile& m, uint32_t tick);

} // namespace restest

// Checks the key click's exact format and the first-run tune as a Standard MIDI
// File: well-formed chunks and events, every note ended, music for over a minute,
// a melody with an accompaniment.
#include "icon_reader.h"
#include "media_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

using namespace restest;

namespace {
std::vector<uint8_t> ArtFile(const char* name) {
    return ReadFileBytes((std::string(FESTOON_ART_DIR) + "/" + name).c_str());
}
} // namespace

TEST(KeyClick, IsStereoEightBitPcmAt22050WithTwoThousandBytes) {
    std::vector<uint8_t> f = ArtFile("keyclick.wav");
    auto w = ParseWave(f.data(), f.size());
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(w->riffSize, f.size() - 8);
    EXPECT_EQ(w->format, 1);
    EXPECT_EQ(w->channels, 2);
    EXPECT_EQ(w->rate, 22050);
    EXPECT_EQ(w->bits, 8);
    EXPECT_EQ(w->blockAlign, 2);
    EXPECT_EQ(w->byteRate, 44100);
    EXPECT_EQ(w->samples.size(), 2000u);
}

TEST(KeyClick, ClicksAndEndsInSilence) {
    std::vector<uint8_t> f = ArtFile("keyclick.wav");
    auto w = ParseWave(f.data(), f.size());
    ASSERT_TRUE(w.has_value());
    ASSERT_FALSE(w->samples.empty());
    int peak = 0;
    for (size_t i = 0; i < w->samples.size() / 4; ++i)
        peak = std::max(peak, std::abs(int(w->samples[i]) - 128));
    EXPECT_GE(peak, 40) << "the attack is audible";
    for (size_t i = w->samples.size() - 2; i < w->samples.size(); ++i)
        EXPECT_LE(std::abs(int(w->samples[i]) - 128), 2) << "the last frame returns to silence";
}

class Tune : public ::testing::Test {
  protected:
    void SetUp() override { midi = ParseMidi(ArtFile("xmastune.mid")); }
    MidiFile midi;
};

TEST_F(Tune, ParsesAsAStandardMidiFile) {
    EXPECT_EQ(midi.error, "");
    EXPECT_TRUE(midi.format == 0 || midi.format == 1);
    if (midi.format == 0) {
        EXPECT_EQ(midi.tracks, 1);
    }
    EXPECT_GT(midi.division, 0);
    EXPECT_LT(midi.division, 0x8000) << "ticks per quarter note, not SMPTE";
    EXPECT_EQ(midi.unmatchedNoteOffs, 0);
    EXPECT_EQ(midi.notesStillOn, 0);
    EXPECT_EQ(midi.overlaps, 0);
    EXPECT_FALSE(midi.tempos.empty());
}

TEST_F(Tune, LastsMoreThanAMinute) {
    ASSERT_EQ(midi.error, "");
    uint32_t last = 0;
    for (const MidiNote& n : midi.notes) last = std::max(last, n.end);
    double seconds = MidiSeconds(midi, last);
    EXPECT_GT(seconds, 60.0);
    EXPECT_LT(seconds, 600.0);
    EXPECT_LE(last, midi.endTick);
}

TEST_F(Tune, HasAMelodyOverAnAccompaniment) {
    ASSERT_EQ(midi.error, "");
    std::map<int, std::vector<const MidiNote*>> byChannel;
    for (const MidiNote& n : midi.notes) {
        EXPECT_GT(n.end, n.start) << "zero-length note";
        EXPECT_GE(n.pitch, 24);
        EXPECT_LE(n.pitch, 108);
        byChannel[n.channel].push_back(&n);
    }
    int pitched = 0;
    for (auto& kv : byChannel) pitched += kv.first != 9;
    EXPECT_GE(pitched, 2) << "melody and accompaniment on separate channels";
    // Each pitched channel chooses its instrument.
    std::set<int> withProgram;
    for (auto& p : midi.programs) withProgram.insert(p.first);
    for (auto& kv : byChannel) {
        if (kv.first != 9) {
            EXPECT_TRUE(withProgram.count(kv.first)) << "channel " << kv.first;
        }
    }
    // The busiest channel carries the tune; the lowest-sounding one a bass line well below it.
    double melodyMean = 0, lowest = 1e9;
    size_t melodyCount = 0;
    for (auto& kv : byChannel) {
        if (kv.first == 9) continue;
        double mean = 0;
        for (auto* n : kv.second) mean += n->pitch;
        mean /= double(kv.second.size());
        if (kv.second.size() > melodyCount) {
            melodyCount = kv.second.size();
            melodyMean = mean;
        }
        lowest = std::min(lowest, mean);
    }
    EXPECT_GE(melodyCount, 100u);
    EXPECT_GT(melodyMean - lowest, 12.0) << "the accompaniment lies well below the melody";
}

// Every kind of generated song loads and plays to its end through the sequencer in virtual time, and its
// four tracks end within one accompaniment note of each other.
#include <gtest/gtest.h>

#include <map>

#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "images/DibImage.h"
#include "tests/generators/GeneratedSongView.h"
#include "tests/images/BmpBuilder.h"
#include "tests/support/PlaybackRig.h"

namespace {
constexpr double msPerTick = 600.0 / 96;  // 100 beats per minute, 96 ticks a quarter
constexpr long timerSlackMs = 10;

struct ChannelPlayed {
    size_t noteOns = 0;
    long lastNoteOffMs = -1;
};

std::vector<uint8_t> mixedText() {
    std::vector<uint8_t> text;
    const std::string line = "Velmira plays text, 1-2-3!\r\n";
    const std::vector<uint8_t> kana = {0x82, 0xA0, 0x82, 0xA2, 0x82, 0xA4, 0xB1, 0xB2, 0x81, 0x42};
    while (text.size() < 600) {
        text.insert(text.end(), line.begin(), line.end());
        text.insert(text.end(), kana.begin(), kana.end());
    }
    return text;
}

std::vector<uint8_t> doubleByteText() {
    std::vector<uint8_t> text;
    for (int i = 0; i < 100; ++i) text.insert(text.end(), {0x93, 0xFA, 0x96, 0x7B, 0x0D, 0x0A});
    return text;
}

GeneratedSong gradientPictureSong(PseudoRandom& random) {
    BmpBuilder bmp(83, 70, 24);
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 83; ++x) {
            const int value = (x * 7 + y * 3 + (x * y) % 11) % 256;
            bmp.pixel24(x, y, packColour(uint8_t(value), uint8_t(255 - value), uint8_t(x)));
        }
    }
    std::istringstream in = bmp.stream();
    return buildPictureSong(in, random);
}
}  // namespace

TEST(GeneratedSongPlayback, TextPictureAndRandomSongsPlayToTheirEndWithTheTracksEndingTogether) {
    PseudoRandom random;
    const struct {
        const char* name;
        GeneratedSong song;
    } songs[] = {
        {"text", buildTextSong(mixedText(), random)},
        {"double-byte text", buildTextSong(doubleByteText(), random)},
        {"picture", gradientPictureSong(random)},
        {"random", buildRandomSong(0xFFFFFFFFu, random)},
    };
    for (const auto& s : songs) {
        SCOPED_TRACE(s.name);
        ASSERT_TRUE(s.song.ok());
        const GeneratedSongView view = viewGeneratedSong(s.song.image);
        ASSERT_EQ(view.fault, "");

        PlaybackRig rig;
        rig.load(s.song.image);
        rig.player.startPlayback();
        rig.runUntilStopped(1000000);
        EXPECT_FALSE(rig.player.playing());
        ASSERT_FALSE(rig.updates.empty());
        EXPECT_TRUE(rig.updates.back().stopped);

        std::map<int, ChannelPlayed> played;
        for (const auto& message : rig.out.messages()) {
            if (message.bytes.size() != 3) continue;
            const int kind = message.bytes[0] & 0xF0, channel = message.bytes[0] & 0x0F;
            if (kind == 0x90) ++played[channel].noteOns;
            if (kind == 0x80) played[channel].lastNoteOffMs = message.timeMs;
        }
        const long melodyEnd = played[0].lastNoteOffMs;
        EXPECT_NEAR(double(melodyEnd), view.ticksOf(0) * msPerTick, double(timerSlackMs));
        const struct {
            int channel;
            size_t track;
            int noteTicks;
        } accompaniment[] = {{1, 1, 48}, {2, 2, 24}, {9, 3, 96}};
        EXPECT_EQ(played[0].noteOns, view.tracks[0].notes.size());
        for (const auto& a : accompaniment) {
            EXPECT_EQ(played[a.channel].noteOns, view.tracks[a.track].notes.size()) << a.channel;
            if (view.tracks[a.track].notes.empty()) continue;
            const long behind = melodyEnd - played[a.channel].lastNoteOffMs;
            EXPECT_GE(behind, -timerSlackMs) << a.channel;
            EXPECT_LT(behind, long(a.noteTicks * msPerTick) + timerSlackMs) << a.channel;
        }
    }
}

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

std::vector<uint8_t> gradientBmp(int width, int height, int bits) {
    BmpBuilder bmp(width, height, bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int value = (x * 7 + y * 3 + (x * y) % 11) % 256;
            if (bits == 24) {
                bmp.pixel24(x, y, packColour(uint8_t(value), uint8_t(255 - value), uint8_t(x % 256)));
            } else {
                bmp.row(y)[x] = uint8_t(value);
            }
        }
    }
    if (bits == 8)
        for (int i = 0; i < 256; ++i) bmp.paletteEntry(size_t(i), packColour(uint8_t(i), uint8_t(i / 2), 0));
    return bmp.bytes();
}

GeneratedSong pictureSong(const std::vector<uint8_t>& file, PseudoRandom& random) {
    std::istringstream in = BmpBuilder::streamOf(file);
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
        {"24-bit picture", pictureSong(gradientBmp(64, 64, 24), random)},
        {"8-bit picture", pictureSong(gradientBmp(83, 70, 8), random)},
        {"random 1", buildRandomSong(1, random)},
        {"random 1700000000", buildRandomSong(1700000000u, random)},
        {"random 4294967295", buildRandomSong(0xFFFFFFFFu, random)},
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

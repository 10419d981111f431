// A song saved with "演奏を保存" is what velmira-render hears: played back without any setting, it sends the
// same messages at the same times as the original played with the window's settings, apart from the load's.
#include "app/PlayedSong.h"
#include "generators/RandomSound.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "tests/support/DenseSong.h"
#include "tests/support/VirtualPlayer.h"
#include "tests/tools/RenderFixture.h"

namespace {
constexpr size_t loadMessages = 17;  // reset all controllers on 16 channels, then the GS reset

// Two channels over a tempo change, with running status, program changes, pan and a note held across it.
std::vector<uint8_t> tempoChangeSong() {
    return SmfWriter(1, 96)
        .track({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,        // 500 ms a quarter
                0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90,        // a quarter later, 250 ms a quarter
                0x81, 0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,  // two quarters later, 1 s a quarter
                0x00, 0xFF, 0x2F, 0x00})
        .track({0x00, 0xC0, 0x05, 0x00, 0xB0, 0x0A, 0x20,  // tone and pan
                0x00, 0x90, 0x3C, 0x64, 0x30, 0x40, 0x50,  // C4, then E4 by running status
                0x30, 0x3C, 0x00, 0x30, 0x40, 0x00,        // both off
                0x00, 0xC1, 0x30, 0x00, 0x91, 0x43, 0x70,  // channel 1: G4 held over the tempo change
                0x81, 0x40, 0x81, 0x43, 0x00, 0x00, 0xFF, 0x2F, 0x00})
        .bytes();
}

std::vector<uint8_t> randomSong() {
    PseudoRandom random;
    return buildRandomSong(868000000, random).image;
}

Lines linesAfterLoad(const std::vector<RecordingMidiOut::Message>& messages) {
    Lines lines;
    for (size_t i = loadMessages; i < messages.size(); ++i)
        lines.push_back(RecordingMidiOut::formatLine(messages[i]));
    return lines;
}

struct Setting {
    const char* name;
    RenderOptions options;
};

std::vector<Setting> settings() {
    std::vector<Setting> all = {{"none", {}},
                                {"folk", withEffect(EffectType::folk)},
                                {"mirror in seconds 1-2", withEffect(EffectType::mirror, {1, 2})},
                                {"suspense", withEffect(EffectType::suspense)}};
    RenderOptions keySignature = withEffect(EffectType::keySignature);
    keySignature.effect.keySignature = {-1, 3};
    all.push_back({"three flats", keySignature});
    RenderOptions pitchMap = withEffect(EffectType::customMap);
    pitchMap.effect.pitchMap.entries = {0, 1, -2, 0, PitchMap::rest, 3, 0, 12, 0, -12, 0, 1};
    all.push_back({"pitch map", pitchMap});
    RenderOptions controls = withEffect(EffectType::japanese);
    controls.transpose = -5;
    controls.doubleChannel = 0;
    controls.mutedChannels = {3};
    controls.masterVolume = 70;
    all.push_back({"japanese, transposed, doubled, muted, quieter", controls});
    RenderOptions solo;
    solo.soloChannel = 1;
    solo.transpose = 12;
    all.push_back({"solo", solo});
    return all;
}

struct Song {
    const char* name;
    std::vector<uint8_t> image;
};
}  // namespace

TEST(SavedSongRenderTest, TheSavedSongPlaysBackAsTheOriginalWithTheWindowsSettings) {
    const std::vector<Song> songs = {
        {"tempo changes", tempoChangeSong()}, {"dense", denseSong(6, 200)}, {"random sound", randomSong()}};
    for (const Song& song : songs) {
        for (const Setting& setting : settings()) {
            SCOPED_TRACE(std::string(song.name) + ", " + setting.name);
            VirtualPlayer<RecordingMidiOut> window;
            window.engine.loadSong(song.image);
            applyRenderOptions(window.engine, setting.options);

            const Lines original = linesAfterLoad(renderSong(song.image, setting.options));
            const Lines replayed =
                linesAfterLoad(renderSong(playedSongAsSmf(window.engine), RenderOptions{}));
            ASSERT_GT(original.size(), 48u);  // more than the stop
            EXPECT_EQ(replayed, original);
        }
    }
}

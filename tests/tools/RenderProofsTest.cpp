// Two proofs that other ways to the same music sound as playing the song through: a song saved with
// "演奏を保存" and played back without any setting, and a render that jumps to a moment with --start. Each
// is checked on the same songs under the window's settings.
#include <algorithm>

#include "app/PlayedSong.h"
#include "generators/RandomSound.h"
#include "playback/ControllerChase.h"
#include "playback/Player.h"
#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"
#include "tests/tools/RenderFixture.h"

namespace {
using Messages = std::vector<RecordingMidiOut::Message>;
constexpr size_t loadMessages = 17;  // reset all controllers on 16 channels, then the GS reset
const uint8_t gsReset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
const uint8_t rhythmPart[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7};

// Tempo changes at 2 s and 4 s, a note held over both, sustain, a bend after a bend-range parameter, a
// reset of the controllers on one channel, and system exclusive messages before and after each moment.
std::vector<uint8_t> busySong() {
    const uint32_t q = 96;
    SmfTrack conductor;
    conductor.tempo(0, 500000).tempo(4 * q, 250000).tempo(8 * q, 1000000).endOfTrack(6 * q);
    SmfTrack held;  // the bank, the program, the volume and a bend range by running status, then the note
    held.sysEx(0, gsReset, sizeof gsReset)
        .raw(0, {0xB0, 0, 8, 0, 0xC0, 5, 0, 0xB0, 7, 90, 0, 101, 0, 0, 100, 0});
    held.raw(0, {6, 12, 0, 0x90, 60, 100}).shortMessage(q, 0xE0, 0, 80).shortMessage(q, 0xB0, 64, 127);
    held.sysEx(q, rhythmPart, sizeof rhythmPart).shortMessage(5 * q, 0x80, 60, 0);
    held.shortMessage(2 * q, 0xB0, 64, 0).endOfTrack();
    SmfTrack beat;
    beat.shortMessage(0, 0xC1, 30).shortMessage(0, 0xB1, 1, 60).shortMessage(0, 0xD1, 40);
    for (int i = 0; i < 14; ++i)
        beat.shortMessage(i == 0 ? 0 : q / 2, 0x91, uint8_t(62 + i % 5), 90)
            .shortMessage(q / 2, 0x81, uint8_t(62 + i % 5), 0)
            .shortMessage(0, 0xB1, 10, uint8_t(i * 9));
    beat.shortMessage(0, 0xB1, 121, 0)
        .shortMessage(q, 0x91, 70, 80)
        .shortMessage(q, 0x81, 70, 0)
        .endOfTrack();
    return SmfWriter(1, int(q)).track(conductor).track(held).track(beat).bytes();
}

struct Song {
    const char* name;
    std::vector<uint8_t> image;
};

std::vector<Song> songs() {
    PseudoRandom random;
    return {{"busy", busySong()}, {"random sound", buildRandomSong(868000000, random).image}};
}

struct Setting {
    const char* name;
    RenderOptions options;
};

std::vector<Setting> settings() {
    // The effects that move each note by a table stand for one another: suspense (which silences some notes)
    // and the pitch map (with a rest) are here; the mirror brings a window in time.
    std::vector<Setting> all = {{"none", {}},
                                {"mirror in seconds 3-4", withEffect(EffectType::mirror, {3, 4})},
                                {"suspense", withEffect(EffectType::suspense)}};
    RenderOptions pitchMap = withEffect(EffectType::customMap);
    pitchMap.effect.pitchMap.entries = {0, 1, -2, 0, PitchMap::rest, 3, 0, 12, 0, -12, 0, 1};
    all.push_back({"pitch map", pitchMap});
    RenderOptions controls = withEffect(EffectType::japanese);
    controls.transpose = -5;
    controls.doubleChannel = 0;
    controls.mutedChannels = {3};
    controls.masterVolume = 70;
    all.push_back({"japanese, transposed, doubled, muted, quieter", controls});
    return all;
}

// What playing through sends, split at the moment: before it, the load's messages and the state the rest
// leaves; after it, the rest as it is, and the closing stop, which comes at the moment when the song was
// over before it.
Messages expectedJump(const Messages& through, int seconds) {
    const long moment = seconds * 1000L;
    const size_t stopStart = through.size() - 48;
    Messages expected(through.begin(), through.begin() + loadMessages);
    ControllerChase chase;
    size_t after = loadMessages;
    for (; after < stopStart && through[after].timeMs < moment; ++after) {
        const MessageBytes& bytes = through[after].bytes;
        if (bytes[0] == 0xF0 || bytes[0] == 0xF7)
            chase.sendLongMessage(bytes.data(), bytes.size());
        else
            chase.sendShortMessage(bytes[0], bytes[1], bytes.size() > 2 ? bytes[2] : 0);
    }
    RecordingMidiOut device;
    device.setTime(moment);
    Player::sendStopMessages(device);
    for (uint8_t channel = 0; channel < 16; ++channel) device.sendShortMessage(0xB0 | channel, 121, 0);
    chase.replay(device);
    expected.insert(expected.end(), device.messages().begin(), device.messages().end());
    for (size_t i = after; i < through.size(); ++i) {
        expected.push_back(through[i]);
        expected.back().timeMs = std::max(expected.back().timeMs, moment);
    }
    return expected;
}

}  // namespace

TEST(SavedSongRenderTest, TheSavedSongPlaysBackAsTheOriginalWithTheWindowsSettings) {
    for (const Song& song : songs()) {
        for (const Setting& setting : settings()) {
            SCOPED_TRACE(std::string(song.name) + ", " + setting.name);
            VirtualPlayer<RecordingMidiOut> window;
            window.engine.loadSong(song.image);
            applyRenderOptions(window.engine, setting.options);

            const Lines original = messageLines(renderSong(song.image, setting.options), loadMessages);
            const Lines replayed =
                messageLines(renderSong(playedSongAsSmf(window.engine), RenderOptions{}), loadMessages);
            ASSERT_GT(original.size(), 48u);  // more than the stop
            EXPECT_EQ(replayed, original);
        }
    }
}

// From a moment, a song sends the load's messages, the jump's silencing and reset, the state the song had
// reached there, and from then on exactly what playing it through sends after that moment, at its times.
TEST(JumpRenderTest, AfterTheJumpTheSongSoundsAsPlayedThrough) {
    for (const Song& song : songs()) {
        for (const Setting& setting : settings()) {
            // The master volume's messages follow the load's, where the split below does not look for them.
            if (setting.options.masterVolume != RenderOptions{}.masterVolume) continue;
            const Messages through = renderSong(song.image, setting.options);
            for (int seconds : {1, 2, 3, 5, 9, 600}) {
                SCOPED_TRACE(std::string(song.name) + ", " + setting.name + ", from " +
                             std::to_string(seconds));
                RenderOptions start = setting.options;
                start.startSeconds = seconds;
                const Lines jumped = messageLines(renderSong(song.image, start), 0);
                EXPECT_EQ(jumped, messageLines(expectedJump(through, seconds), 0));

                // Back from later in the song, the same as from its start.
                PlaybackRig rig;
                rig.load(song.image);
                applyRenderOptions(rig.engine, setting.options);
                rig.player.startPlayback();
                rig.tick(850);
                ASSERT_TRUE(rig.player.playing());
                const size_t from = rig.out.messages().size();
                rig.nowMs = seconds * 1000L;
                rig.out.setTime(rig.nowMs);
                rig.player.jumpTo(seconds);
                rig.runUntilStopped();
                EXPECT_EQ(rig.lines(from), Lines(jumped.begin() + loadMessages, jumped.end()));
            }
        }
    }
}

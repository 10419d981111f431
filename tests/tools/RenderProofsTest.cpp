// Two proofs that other ways to the same music sound as playing the song through: a song saved with
// "演奏を保存" and played back without any setting, and a song that jumps back and forth as the window's
// jump does. Each is checked on songs under the window's settings.
#include <algorithm>
#include <climits>
#include <tuple>

#include "app/MasterVolume.h"
#include "app/PlayedSong.h"
#include "generators/RandomSound.h"
#include "playback/FileRecordingMidiOut.h"
#include "playback/PlayTimeStampingTimer.h"
#include "playback/Player.h"
#include "playback/SmfWriter.h"
#include "tests/support/DeviceStateModel.h"
#include "tests/support/PlaybackRig.h"
#include "tests/tools/RenderFixture.h"
#include "tones/ToneMessages.h"

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

namespace {
// A song whose first two channels change tone, volume, pan, sends and bend range as they go, each setting
// its own first (after a GS reset of its own when |reset|), and whose third sets nothing.
std::vector<uint8_t> changingSong(bool reset) {
    const uint32_t second = 192;  // 96 ticks a quarter at 120 beats per minute
    SmfTrack changing, later, plain;
    if (reset) changing.sysEx(0, gsReset, sizeof gsReset);
    changing.raw(0, {0xB0, 0, 8, 0, 0xC0, 5, 0, 0xB0, 7, 90, 0, 10, 30, 0, 91, 50, 0, 93, 10});
    changing.raw(0, {0xB0, 101, 0, 0, 100, 0, 0, 6, 12});
    later.shortMessage(0, 0xC1, 40).shortMessage(0, 0xB1, 7, 100).shortMessage(0, 0xB1, 91, 30);
    for (int s = 0; s < 20; ++s) {
        // Every note comes after the first tick, when the user's settings are made.
        for (auto [track, status, key, start] :
             {std::tuple{&changing, 0x90, 60, 1}, {&later, 0x91, 50, 2}, std::tuple{&plain, 0x92, 70, 4}})
            track
                ->shortMessage(s == 0 ? second / 8 * start : second / 2, uint8_t(status),
                               uint8_t(key + s % 5), 100)
                .shortMessage(second / 2, uint8_t(status - 0x10), uint8_t(key + s % 5), 0);
        if (s == 5)
            changing.raw(
                0, {0xB0, 0, 0, 0, 0xC0, 114, 0, 0xB0, 7, 60, 0, 10, 100, 0, 91, 80, 0, 93, 40, 0, 6, 5});
        if (s == 8) changing.shortMessage(0, 0xE0, 0, 90).shortMessage(0, 0xB0, 11, 70);
        if (s == 11) changing.raw(0, {0xB0, 0, 16, 0, 0xC0, 20, 0, 0xB0, 7, 120, 0, 10, 64, 0, 121, 0});
        if (s == 9)
            later.shortMessage(0, 0xC1, 3).shortMessage(0, 0xB1, 10, 20).shortMessage(0, 0xB1, 93, 70);
    }
    return SmfWriter(1, 96)
        .track(changing.endOfTrack())
        .track(later.endOfTrack())
        .track(plain.endOfTrack())
        .bytes();
}

// The user's settings, made as the window makes them, on channels the song sets and on the one it leaves.
struct UserSetting {
    const char* name;
    std::function<void(PlaybackEngine&)> make;
};

std::vector<UserSetting> userSettings() {
    auto fixCell = [](PlaybackEngine& engine, int channel, uint8_t controller, uint8_t value) {
        LiveControls& controls = engine.controls();
        auto [fixed, fixedValue] = controller == 7 ? std::tie(controls.volumeFixed, controls.volumeValue)
                                   : controller == 91
                                       ? std::tie(controls.reverbFixed, controls.reverbValue)
                                       : std::tie(controls.modulationFixed, controls.modulationValue);
        fixedValue[channel] = value;
        fixed[channel] = true;
        engine.out().sendShortMessage(uint8_t(0xB0 | channel), controller, value);
    };
    return {
        {"none", [](PlaybackEngine&) {}},
        {"locked tones",
         [](PlaybackEngine& engine) {
             for (int channel : {0, 2}) {
                 engine.tones().fix(channel, 50, 8);
                 sendTone(engine.out(), channel, 50, 8);
             }
         }},
        {"fixed cells",
         [=](PlaybackEngine& engine) {
             fixCell(engine, 0, 7, 70);
             fixCell(engine, 1, 91, 100);
             fixCell(engine, 1, 1, 30);
             fixCell(engine, 2, 7, 40);
         }},
        {"master volume",
         [](PlaybackEngine& engine) {
             std::array<uint8_t, midi::channelCount> base;
             base.fill(100);
             applyMasterVolume(engine.controls(), base, 70, engine.out());
         }},
    };
}

// Makes the user's settings after the first tick: the window's controls answer only once the song plays.
class SettingsAtStart : public RenderingInput {
  public:
    SettingsAtStart(PlaybackEngine& engine, const UserSetting& setting)
        : engine_(engine), setting_(setting) {}
    void arriveUntil(long nowMs) override {
        if (made_ || nowMs < Sequencer::timerPeriod) return;
        setting_.make(engine_);
        made_ = true;
    }
    long nextArrivalMs() const override { return made_ ? LONG_MAX : Sequencer::timerPeriod; }

  private:
    PlaybackEngine& engine_;
    const UserSetting& setting_;
    bool made_ = false;
};

std::vector<DeviceStateModel::Note> notesPlayed(const std::vector<uint8_t>& song, const UserSetting& setting,
                                                const std::vector<SongRendering::Jump>& jumps) {
    SongRendering rendering;
    rendering.load(song);
    SettingsAtStart settings(rendering.engine(), setting);
    rendering.playToEnd(0, &settings, jumps);
    return DeviceStateModel(rendering.messages()).notes;
}
}  // namespace

// After each jump, back or on, every note sounds with the tone, controllers and bend range the song has at
// that note when played through: what the song set later is gone, and the user's settings stay.
TEST(JumpRenderTest, EveryNoteAfterAJumpMeetsTheDeviceAsPlayedThrough) {
    const std::vector<std::vector<SongRendering::Jump>> jumpRows = {
        {{12, 5}}, {{15, 0}}, {{3, 9}}, {{18, 7}}, {{10, 4}, {8, 14}}};
    for (bool reset : {false, true}) {
        const std::vector<uint8_t> song = changingSong(reset);
        for (const UserSetting& setting : userSettings()) {
            const std::vector<DeviceStateModel::Note> through = notesPlayed(song, setting, {});
            for (const std::vector<SongRendering::Jump>& jumps : jumpRows) {
                const SongRendering::Jump& last = jumps.back();
                // Back to the very start, the song's own reset comes after the jump, as at a play start, and
                // takes the user's settings as it did then.
                if (reset && last.to == 0) continue;
                SCOPED_TRACE(std::string(reset ? "with" : "without") + " a reset, " + setting.name +
                             ", last jump " + std::to_string(last.at) + ":" + std::to_string(last.to));
                const std::vector<DeviceStateModel::Note> jumped = notesPlayed(song, setting, jumps);
                std::vector<DeviceStateModel::Note> expected;
                for (const DeviceStateModel::Note& note : through)
                    if (note.timeMs >= last.to * 1000L) expected.push_back(note);
                ASSERT_GE(jumped.size(), expected.size());
                EXPECT_EQ(
                    std::vector<DeviceStateModel::Note>(jumped.end() - long(expected.size()), jumped.end()),
                    expected);
            }
        }
    }
}

// The program's "/out:record" file stamps each line with the song's play time as velmira-render prints it,
// a jump back included.
class RecordedJumpTest : public ScratchFolderTest {};

TEST_F(RecordedJumpTest, TheRecordingsPlayTimesAfterAJumpAreTheRenderersJumpTimes) {
    const std::vector<uint8_t> song = changingSong(false);
    {
        struct Window : TickPoster, WindowlessPlayerHost {
            void postTick() override { posted = true; }
            bool posted = false;
        } window;
        FileRecordingMidiOut file(path("record.txt"));
        VirtualTimer periods;
        PlayTimeStampingTimer timer(periods, file);
        ShortMessageFailures failures;
        PlaybackEngine engine(file, timer, window, window, failures);
        engine.loadSong(song);
        engine.selection().playOnce = true;
        engine.player().startPlayback();
        for (long period = 0; periods.running(); ++period) {
            if (period == 1200) engine.player().jumpTo(5);
            window.posted = false;
            periods.tick();
            if (window.posted) engine.player().onTick();
        }
    }
    Lines recorded;
    for (const std::string& line : readLines("record.txt"))
        recorded.push_back(line.substr(0, line.find('\t')));
    SongRendering rendering;
    rendering.load(song);
    rendering.playToEnd(0, nullptr, {{12, 5}});
    EXPECT_EQ(recorded, messageLines(rendering.messages(), 0));
}

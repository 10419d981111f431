// Two proofs that other ways to the same music sound as playing the song through: a song saved with
// "演奏を保存" and played back without any setting, and a song that jumps back and forth as the window's
// jump does. Each is checked on songs under the window's settings.
#include <array>
#include <climits>
#include <map>
#include <tuple>

#include "app/MasterVolume.h"
#include "app/PlayedSong.h"
#include "generators/RandomSound.h"
#include "playback/FileRecordingMidiOut.h"
#include "playback/PlayTimeStampingTimer.h"
#include "playback/Player.h"
#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"
#include "tests/tools/RenderFixture.h"
#include "tones/ChannelTone.h"

namespace {
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

// The window's settings, named.
std::vector<std::pair<const char*, RenderOptions>> settings() {
    // The effects that move each note by a table stand for one another: suspense (which silences some notes)
    // and the pitch map (with a rest) are here; the mirror brings a window in time.
    std::vector<std::pair<const char*, RenderOptions>> all = {
        {"none", {}},
        {"mirror in seconds 3-4", withEffect(EffectType::mirror, {3, 4})},
        {"suspense", withEffect(EffectType::suspense)}};
    RenderOptions pitchMap = withEffect(EffectType::customMap);
    pitchMap.effect.pitchMap.entries = {0, 1, -2, 0, PitchMap::rest, 3, 0, 12, 0, -12, 0, 1};
    all.push_back({"pitch map", pitchMap});
    RenderOptions controls = withEffect(EffectType::japanese);
    controls.transpose = -5, controls.doubleChannel = 0;
    controls.mutedChannels = {3}, controls.masterVolume = 70;
    all.push_back({"japanese, transposed, doubled, muted, quieter", controls});
    return all;
}

}  // namespace

TEST(SavedSongRenderTest, TheSavedSongPlaysBackAsTheOriginalWithTheWindowsSettings) {
    PseudoRandom random;
    for (const auto& [song, image] : {std::pair{"busy", busySong()},
                                      std::pair{"random sound", buildRandomSong(868000000, random).image}}) {
        for (const auto& [setting, options] : settings()) {
            SCOPED_TRACE(std::string(song) + ", " + setting);
            VirtualPlayer<RecordingMidiOut> window;
            window.engine.loadSong(image);
            applyRenderOptions(window.engine, options);

            const Lines original = messageLines(renderSong(image, options), loadMessages);
            const Lines replayed =
                messageLines(renderSong(playedSongAsSmf(window.engine), RenderOptions{}), loadMessages);
            ASSERT_GT(original.size(), 48u);  // more than the stop
            EXPECT_EQ(replayed, original);
        }
    }
}

namespace {
// A model of what a GS module holds on each channel, written from the messages alone, apart from the
// program's own chase: the tone (the bank a program change took), the main controllers, the bend range and
// the bend. Each sounding note-on is kept with the setting of its channel.
std::vector<std::string> notesWithSettings(const SongRendering::Messages& messages) {
    enum { program, bank, bankSelect, bendRange, bend, parameterMsb, parameterLsb, fields };
    const std::array<int, fields> start = {0, 0, 0, 2, 8192, 127, 127};
    const std::map<int, int> controllerStart = {{1, 0},  {7, 100}, {10, 64}, {11, 127},
                                                {64, 0}, {91, 40}, {93, 0}};
    struct Channel {
        std::array<int, fields> field;
        std::map<int, int> controllers;
    };
    std::array<Channel, 16> channels;
    channels.fill({start, controllerStart});
    std::vector<std::string> notes;
    for (const RecordingMidiOut::Message& message : messages) {
        const MessageBytes& b = message.bytes;
        // GM System On and the GS reset put every channel back to the module's defaults.
        if (b[0] == 0xF0 &&
            ((b.size() == 6 && b[1] == 0x7E && b[3] == 9) || (b.size() == 11 && b[7] == 0x7F)))
            channels.fill({start, controllerStart});
        if (b[0] >= 0xF0) continue;
        Channel& channel = channels[b[0] & 0x0F];
        std::array<int, fields>& f = channel.field;
        const int kind = b[0] & 0xF0;
        if (kind == 0x90 && b[2] > 0) {
            std::string note = RecordingMidiOut::formatLine(message) + ":";
            for (int i : {program, bank, bendRange, bend}) note += " " + std::to_string(f[i]);
            for (const auto& [number, value] : channel.controllers) note += " " + std::to_string(value);
            notes.push_back(note);
        }
        if (kind == 0xC0) f[program] = b[1], f[bank] = f[bankSelect];
        if (kind == 0xE0) f[bend] = b[1] | b[2] << 7;
        if (kind != 0xB0) continue;
        if (channel.controllers.count(b[1])) channel.controllers[b[1]] = b[2];
        if (b[1] == 0) f[bankSelect] = b[2];
        if (b[1] == 101 || b[1] == 100) f[b[1] == 101 ? parameterMsb : parameterLsb] = b[2];
        if (b[1] == 6 && f[parameterMsb] == 0 && f[parameterLsb] == 0) f[bendRange] = b[2];
        if (b[1] == 121) {  // reset all controllers: volume, pan, the sends, the tone and the bend range stay
            for (int c : {1, 11, 64}) channel.controllers[c] = controllerStart.at(c);
            f[bend] = 8192;
            f[parameterMsb] = f[parameterLsb] = 127;
        }
    }
    return notes;
}

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
    return {{"none", [](PlaybackEngine&) {}},
            {"locked tones, fixed cells",
             [](PlaybackEngine& engine) {
                 for (int channel : {0, 2}) {
                     engine.tones().fix(channel, 50, 8);
                     sendTone(engine.out(), channel, 50, 8);
                 }
                 LiveControls& controls = engine.controls();
                 controls.fixCell(LiveControls::volumeCell, 2, 40);
                 controls.fixCell(LiveControls::reverbCell, 1, 100);
                 controls.fixCell(LiveControls::modulationCell, 1, 30);
                 for (int channel : {1, 2}) controls.sendFixed(channel, engine.out());
             }},
            {"master volume", [](PlaybackEngine& engine) {
                 std::array<uint8_t, midi::channelCount> base;
                 base.fill(100);
                 applyMasterVolume(engine.controls(), base, 70, engine.out());
             }}};
}

// Makes the user's settings after the first tick: the window's controls answer only once the song plays.
struct SettingsAtStart : RenderingInput {
    SettingsAtStart(PlaybackEngine& engine, const UserSetting& setting) : engine(engine), setting(setting) {}
    void arriveUntil(long nowMs) override {
        if (made || nowMs < Sequencer::timerPeriod) return;
        setting.make(engine);
        made = true;
    }
    long nextArrivalMs() const override { return made ? LONG_MAX : Sequencer::timerPeriod; }

    PlaybackEngine& engine;
    const UserSetting& setting;
    bool made = false;
};

std::vector<std::string> notesPlayed(const std::vector<uint8_t>& song, const UserSetting& setting,
                                     const std::vector<SongRendering::Jump>& jumps) {
    SongRendering rendering;
    rendering.load(song);
    SettingsAtStart settings(rendering.engine(), setting);
    rendering.playToEnd(0, &settings, jumps);
    return notesWithSettings(rendering.messages());
}
}  // namespace

// After each jump, back or on, every note sounds with the tone, controllers and bend range the song has at
// that note when played through: what the song set later is gone, and the user's settings stay.
TEST(JumpRenderTest, EveryNoteAfterAJumpMeetsTheDeviceAsPlayedThrough) {
    const std::vector<std::vector<SongRendering::Jump>> jumpRows = {
        {{12, 5}}, {{15, 0}}, {{3, 9}}, {{18, 7}}, {{10, 4}, {8, 14}}, {{12, 9}, {11, 3}}};
    for (bool reset : {false, true}) {
        const std::vector<uint8_t> song = changingSong(reset);
        for (const UserSetting& setting : userSettings()) {
            const Lines through = notesPlayed(song, setting, {});
            for (const std::vector<SongRendering::Jump>& jumps : jumpRows) {
                const SongRendering::Jump& last = jumps.back();
                // Back to the very start, the song's own reset comes after the jump, as at a play start, and
                // takes the user's settings as it did then.
                if (reset && last.to == 0) continue;
                SCOPED_TRACE(std::string(reset ? "with" : "without") + " a reset, " + setting.name +
                             ", last jump " + std::to_string(last.at) + ":" + std::to_string(last.to));
                const Lines jumped = notesPlayed(song, setting, jumps);
                Lines expected;
                for (const std::string& note : through)
                    if (std::stol(note) >= last.to * 1000L) expected.push_back(note);
                ASSERT_GE(jumped.size(), expected.size());
                EXPECT_EQ(Lines(jumped.end() - long(expected.size()), jumped.end()), expected);
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
        ASSERT_TRUE(file.finish());
    }
    Lines recorded;
    for (const std::string& line : readLines("record.txt"))
        recorded.push_back(line.substr(0, line.find('\t')));
    SongRendering rendering;
    rendering.load(song);
    rendering.playToEnd(0, nullptr, {{12, 5}});
    EXPECT_EQ(recorded, messageLines(rendering.messages(), 0));
}

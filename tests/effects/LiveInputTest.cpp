// A keyboard played through the engine: what each incoming message sends, and that a note-off releases
// exactly what its note-on sounded.
#include <atomic>
#include <functional>
#include <random>
#include <thread>

#include "effects/LiveInput.h"
#include "playback/MidiInputStream.h"
#include "playback/Player.h"
#include "tests/effects/EventFilterFixture.h"
#include "tests/support/DenseSong.h"
#include "tests/support/Steps.h"
#include "tests/support/VirtualPlayer.h"

class LiveInputTest : public EventFilterFixture {
  protected:
    // A change of the controls named by words, taken as the window thread hands it over; false for bytes.
    bool change(const std::string& word) override {
        if (word == "folk" || word == "no effect") {
            selectEffect(word == "folk" ? EffectType::folk : EffectType::none);
        } else if (word == "rest on C") {
            settings.pitchMap.entries[0] = PitchMap::rest;
            selectEffect(EffectType::customMap);
        } else if (word == "double" || word == "single") {
            controls.octaveDoubleChannel = word == "double" ? 0 : LiveControls::noChannel;
        } else if (word == "mute" || word == "unmute") {
            controls.channelMuted[0] = word == "mute";
        } else if (word == "stop") {
            live.songStopped();
        } else if (word == "song started") {
            live.songStarted();
        } else if (!EventFilterFixture::change(word)) {
            return false;
        }
        live.takeEffect(settings);
        return true;
    }

    // What each input of hex bytes, fed at once, sent; a word changes the controls instead.
    Lines played(const char* inputs) {
        live.takeEffect(settings);
        return filtered(
            inputs, [this](const std::vector<uint8_t>& bytes) { live.receive(bytes.data(), bytes.size()); });
    }

    LiveInput live{filter, clock};
};

TEST_F(LiveInputTest, EachInputSendsWhatItsNoteOnSoundedAndTheControlsAllow) {
    const struct {
        const char *why, *inputs, *sent;
    } cases[] = {
        {"effect changed while held", "folk; 90 3C 01; no effect; 80 3C 00", "90 38 01; 80 38 00"},
        {"transpose changed while held", "shift 2; 90 3C 64; shift 5; 90 3C 00", "90 3E 64; 90 3E 00"},
        {"doubling ended while held", "double; 90 3C 64; single; 80 3C 00",
         "90 30 64 + 90 3C 64; 80 30 00 + 80 3C 00"},
        {"struck twice, released once", "90 3C 64; folk; 90 3C 50; 80 3C 00; 80 3C 00",
         "90 3C 64; 90 38 50 + 90 3C 00; 80 38 00; -"},
        {"a rest: nothing sounds, nothing to release", "rest on C; 90 3C 64; 80 3C 00", "90 3C 00; -"},
        {"muted: nothing sounds, nothing to release", "mute; 90 3C 64; unmute; 80 3C 00", "90 3C 00; -"},
        {"stop forgets what was held", "90 3C 64; 91 40 64; stop; 80 3C 00; 81 40 00",
         "90 3C 64; 91 40 64; -; -"},
        {"a song's effect window, none after its stop",
         "window 10 20; at 5; song started; 90 3E 64; at 15; 90 40 64; 80 3E 00; at 5; stop; 90 40 64",
         "90 3E 64; 90 3D 64; 80 3E 00; 90 3D 64"},
        {"running status, realtime bytes and a message cut short by the next",
         "90 3C 64 3E 64; F8 90 FE 40 F8 64; 3C 90 3C 00; C1 05; 06",
         "90 3C 64 + 90 3E 64; 90 40 64; 90 3C 00; C1 05 00; C1 06 00"},
        {"data after a system message has no running status",
         "F0 7E 7F 09 01 F7; 40 00; F1 20; 3C 64; FF; F6", "-; -; -; -; -; -"},
    };
    for (const auto& c : cases) {
        controls.reset();
        EXPECT_EQ(controls.channelPitchClass[0].load(), LiveControls::notSounded) << "as the program starts";
        selectEffect(EffectType::none);
        clock.playSeconds = 0;
        live.songStopped();
        EXPECT_EQ(played(c.inputs), steps(c.sent)) << c.why;
    }
}

// The system hands a short message over packed in four bytes; its status says how many of them it is.
TEST(ShortMessageLength, IsTheStatusWithTheDataBytesItTakes) {
    const std::pair<uint8_t, size_t> rows[] = {{0x90, 3}, {0xC5, 2}, {0xDF, 2}, {0xE0, 3}, {0xF1, 2},
                                               {0xF2, 3}, {0xF3, 2}, {0xF6, 1}, {0xF8, 1}, {0x40, 2}};
    for (const auto& [status, length] : rows) EXPECT_EQ(shortMessageLength(status), length) << int(status);
}

// The keyboard's thread, the song's (the timer's) and the window's at once, the window changing the effect,
// transpose and doubling and stopping now and then: once the keyboard has let go of every key, the device
// sounds none of them. Run under ThreadSanitizer too.
TEST(CrossThreadLiveInput, NoNoteIsStrandedWhileTheWindowChangesTheControlsAndStops) {
    FilterRig<ModuleStateDevice> rig;
    rig.settings.type = EffectType::japanese;
    LiveInput live{rig.filter, rig.clock};

    std::atomic<bool> playing{true};
    std::thread songThread([&] {
        for (uint8_t key = 0; playing.load(); key = uint8_t((key + 1) % 128)) {
            rig.filter.processChannelMessage(0, {0x90, key, 100});
            rig.filter.processChannelMessage(0, {0x80, key, 0});
        }
    });
    std::array<bool, 128> down{};
    std::atomic<bool> changing{true};
    std::thread keyboard([&] {
        std::mt19937 random(7);
        // Until the window is done, then as many keys again under its last controls.
        for (int left = 200000; left > 0; left -= !changing.load()) {
            const uint8_t key = uint8_t(random() % 128);
            const uint8_t message[] = {uint8_t(down[key] ? 0x81 : 0x91), key, 90};
            down[key] = !down[key];
            live.receive(message, sizeof message);
        }
    });
    std::mt19937 random(11);
    for (int change = 0; change < 2000; ++change) {
        EffectSettings liveEffect;
        liveEffect.type = EffectType(random() % 10);
        live.takeEffect(liveEffect);
        rig.controls.keyShift = int(random() % 25) - 12;
        rig.controls.keyShiftActive = true;
        rig.controls.octaveDoubleChannel = random() % 2 ? 1 : LiveControls::noChannel;
        if (change % 100 == 0) {
            live.songStopped();
            Player::sendStopMessages(rig.out);
        }
        std::this_thread::yield();
    }
    // The keys still down are let go only now, so that no later stop silences what a release missed.
    changing = false;
    keyboard.join();
    for (uint8_t key = 0; key < 128; ++key) {
        const uint8_t off[] = {0x81, key, 0};
        if (down[key]) live.receive(off, sizeof off);
    }
    playing = false;
    songThread.join();
    EXPECT_EQ(rig.out.soundingKeys(1), 0);
}

namespace {
// The keyboard plays channel 16 on its own thread from before the window thread starts doing |steps|
// things to the device until after it is done; all the keyboard's messages must reach the device.
template <class Device>
void keyboardThrough(VirtualPlayer<Device>& window, int steps, const std::function<void()>& windowStep) {
    window.play(denseSong(2, 5000));  // 26 s
    std::atomic<int> sent{0};
    std::atomic<bool> windowDone{false};
    std::thread keyboard([&] {
        for (int stroke = 0; !windowDone.load() || stroke < 100; sent = ++stroke) {
            const uint8_t message[] = {uint8_t(stroke % 2 ? 0x8F : 0x9F), 64, 90};
            window.engine.liveInput().receive(message, sizeof message);
        }
    });
    while (sent.load() < 10) std::this_thread::yield();
    for (int step = 0; step < steps; ++step) windowStep();
    windowDone = true;
    keyboard.join();
    int heard = 0;
    for (const RecordingMidiOut::Message& message : window.out.messages())
        heard += (message.bytes[0] == 0x9F || message.bytes[0] == 0x8F) && message.bytes[1] == 64;
    EXPECT_EQ(heard, sent.load());
}

// A recording device that is closed and opened again as a change of the output does it, and counts what
// reached it while closed.
class ReopenedDevice : public RecordingMidiOut {
  public:
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
        if (!open_) ++sentWhileClosed;
        return RecordingMidiOut::sendShortMessage(status, data1, data2);
    }
    void reopen() {
        open_ = false;
        std::this_thread::yield();
        open_ = true;
    }
    int sentWhileClosed = 0;

  private:
    bool open_ = true;
};
}  // namespace

// A jump plays the song silently into the chase: the keyboard's messages meanwhile are the keyboard's, and
// reach the device, whole and one at a time.
TEST(CrossThreadLiveInput, KeysPlayedDuringJumpsReachTheDeviceAndNotTheChase) {
    VirtualPlayer<RecordingMidiOut> window;
    int jumps = 0;
    keyboardThrough(window, 20, [&] { EXPECT_TRUE(window.player.jumpTo(jumps++ % 2 ? 25 : 0)); });
}

// A change of the output closes the device and opens another while the keyboard plays on.
TEST(CrossThreadLiveInput, KeysPlayedDuringADeviceChangeNeverReachAClosedDevice) {
    VirtualPlayer<ReopenedDevice> window;
    keyboardThrough(window, 2000, [&] {
        window.engine.out().change([&] {
            window.out.reopen();
            return true;
        });
    });
    EXPECT_EQ(window.out.sentWhileClosed, 0);
}

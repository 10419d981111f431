#include "tools/render/RenderCommand.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/MasterVolume.h"
#include "effects/EventFilter.h"
#include "playback/Player.h"
#include "playback/SmfBytes.h"
#include "playback/VirtualTimer.h"
#include "tools/render/WavOutput.h"

namespace {
// Nothing a real song does takes a day; a damaged delta-time can ask for longer, so playback stops there.
constexpr long longestPlayMs = 24L * 60 * 60 * 1000;

class RenderWindow : public TickPoster, public PlayerHost {
  public:
    explicit RenderWindow(EventFilter& filter) : filter_(filter) {}
    void postTick() override { tickPosted = true; }
    void resetForPlayback() override { filter_.resetForPlayback(); }
    void drawPlayButton(bool) override {}
    void drawFastForwardButton(bool) override {}
    void blankMetersAndLamps() override {}
    void timerFailed() override {}
    void openNextSongListEntry() override {}
    bool tickPosted = false;

  private:
    EventFilter& filter_;
};

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}
}  // namespace

// Everything a song needs to play, wired as in the program. The sequencer is built before the filter,
// which reads its play clock; the sequencer only keeps the filter's address until playback starts.
struct RenderRig {
    SongBuffer song;
    RecordingMidiOut device;
    LiveControls controls;
    ChannelTones tones;
    EffectSettings effect;
    ShortMessageFailures failures;
    VirtualTimer timer;
    RenderWindow window{filter};
    Sequencer sequencer{song, device, filter, controls, window};
    EventFilter filter{device, controls, effect, tones, sequencer.playSeconds()};
    Player player{song, sequencer, device, timer, window, failures};
};

std::vector<RecordingMidiOut::Message> renderSong(std::vector<uint8_t> image, const RenderOptions& options) {
    RenderRig rig;
    LiveControls& controls = rig.controls;
    rig.player.loadSong(std::move(image));
    rig.effect = options.effect;
    if (options.transpose) {
        controls.keyShift = *options.transpose;
        controls.keyShiftActive = true;
    }
    if (options.soloChannel) controls.soloChannel = *options.soloChannel;
    for (int channel : options.mutedChannels) controls.channelMuted[size_t(channel)] = true;
    if (options.doubleChannel) controls.octaveDoubleChannel = *options.doubleChannel;
    if (options.masterVolume) {
        std::array<uint8_t, 16> volumeBase;
        volumeBase.fill(100);
        applyMasterVolume(controls, volumeBase, *options.masterVolume, rig.device);
    }

    rig.player.playOnce = true;
    rig.player.startPlayback();
    for (long tick = 0; rig.timer.running(); ++tick) {
        const long now = tick * Sequencer::timerPeriod;
        rig.device.setTime(now);
        if (now >= longestPlayMs) {
            rig.player.stopPlayback(Player::userStop);
            break;
        }
        rig.window.tickPosted = false;
        rig.timer.tick();
        if (rig.window.tickPosted) rig.player.onTick();
    }
    return rig.device.messages();
}

std::vector<uint8_t> messagesAsSmf(const std::vector<RecordingMidiOut::Message>& messages) {
    std::vector<uint8_t> events = {0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40};  // 1,000,000 us a quarter
    long previous = 0;
    for (const RecordingMidiOut::Message& message : messages) {
        appendVarLen(events, uint32_t(message.timeMs - previous));
        previous = message.timeMs;
        const std::vector<uint8_t>& bytes = message.bytes;
        if (bytes[0] == 0xF0 || bytes[0] == 0xF7) {
            events.push_back(bytes[0]);
            appendVarLen(events, uint32_t(bytes.size() - 1));
            events.insert(events.end(), bytes.begin() + 1, bytes.end());
        } else {
            const bool oneDataByte = (bytes[0] & 0xF0) == 0xC0 || (bytes[0] & 0xF0) == 0xD0;
            events.insert(events.end(), bytes.begin(), bytes.begin() + (oneDataByte ? 2 : 3));
        }
    }
    events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});

    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x03, 0xE8};  // 1000 ticks
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    appendBe32(file, uint32_t(events.size()));
    file.insert(file.end(), events.begin(), events.end());
    return file;
}

int runRenderCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = parseRenderOptions(arguments);
    if (!parsed.error.empty()) {
        err << "velmira-render: " << parsed.error << "\n" << renderUsage;
        return 2;
    }
    const RenderOptions& options = parsed.options;
    if (options.help) {
        out << renderUsage;
        return 0;
    }

    std::vector<uint8_t> image;
    std::error_code noThrow;
    if (!std::filesystem::exists(options.songPath, noThrow)) {
        err << options.songPath << ": ファイルが見つかりません\n";
        return 1;
    }
    if (std::filesystem::is_directory(options.songPath, noThrow) || !readWholeFile(options.songPath, image)) {
        err << options.songPath << ": File Read Error\n";
        return 1;
    }
    const std::vector<RecordingMidiOut::Message> messages = renderSong(std::move(image), options);
    if (!options.wavPath.empty()) {
        const std::string problem = renderWav(messages, options.soundFontPath, options.wavPath);
        if (!problem.empty()) {
            err << "velmira-render: " << problem << "\n";
            return 1;
        }
    }

    std::ofstream outFile;
    if (!options.outPath.empty()) {
        outFile.open(options.outPath, std::ios::binary);
        if (!outFile) {
            err << options.outPath << ": cannot be written\n";
            return 1;
        }
    }
    std::ostream& lines = options.outPath.empty() ? out : outFile;
    for (const RecordingMidiOut::Message& message : messages)
        lines << RecordingMidiOut::formatLine(message) << '\n';
    lines.flush();
    if (!lines) {
        err << "velmira-render: the output could not be written\n";
        return 1;
    }
    if (!options.smfPath.empty() && !writeWholeFile(options.smfPath, messagesAsSmf(messages))) {
        err << options.smfPath << ": cannot be written\n";
        return 1;
    }
    return 0;
}

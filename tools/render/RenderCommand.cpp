#include "tools/render/RenderCommand.h"

#include <fstream>

#include "app/MasterVolume.h"
#include "effects/PlaybackEngine.h"
#include "playback/MessageLine.h"
#include "playback/MidiVocabulary.h"
#include "playback/SmfWriter.h"
#include "playback/VirtualTimer.h"
#include "tools/render/RenderSong.h"
#include "tools/render/WavOutput.h"

namespace {
// Nothing a real song does takes a day; a damaged delta-time can ask for longer, so playback stops there.
constexpr long longestPlayMs = 24L * 60 * 60 * 1000;

class RenderWindow : public TickPoster, public PlayerHost {
  public:
    void postTick() override { tickPosted = true; }
    void resetForPlayback() override {}
    void drawPlayButton(bool) override {}
    void drawFastForwardButton(bool) override {}
    void blankMetersAndLamps() override {}
    void timerFailed() override {}
    void openNextSongListEntry() override {}
    bool tickPosted = false;
};

bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}
}  // namespace

// The program's engine around a recording device, a virtual timer and a window that draws nothing.
struct RenderRig {
    RecordingMidiOut device;
    ShortMessageFailures failures;
    VirtualTimer timer;
    RenderWindow window;
    PlaybackEngine engine{device, timer, window, window, failures};
};

std::vector<RecordingMidiOut::Message> renderSong(std::vector<uint8_t> image, const RenderOptions& options) {
    RenderRig rig;
    // A channel message in running status takes three bytes of the file with its delta-time.
    rig.device.reserve(image.size() / 3 + 256);
    LiveControls& controls = rig.engine.controls();
    Player& player = rig.engine.player();
    rig.engine.loadSong(std::move(image));
    rig.engine.effect() = options.effect;
    if (options.transpose) {
        controls.keyShift = *options.transpose;
        controls.keyShiftActive = true;
    }
    if (options.soloChannel) controls.soloChannel = *options.soloChannel;
    for (int channel : options.mutedChannels) controls.channelMuted[size_t(channel)] = true;
    if (options.doubleChannel) controls.octaveDoubleChannel = *options.doubleChannel;
    if (options.masterVolume) {
        std::array<uint8_t, midi::channelCount> volumeBase;
        volumeBase.fill(100);
        applyMasterVolume(controls, volumeBase, *options.masterVolume, rig.device);
    }

    rig.engine.selection().playOnce = true;
    player.startPlayback();
    Sequencer& sequencer = rig.engine.sequencer();
    const long lastPeriod = longestPlayMs / Sequencer::timerPeriod;
    for (long tick = 0; rig.timer.running(); ++tick) {
        // Periods in which nothing can happen are passed over at once: the cost follows the song's events,
        // not its length, and what is sent and when stays the same.
        const int64_t idle = sequencer.idlePeriods(lastPeriod - tick);
        if (idle > 0) {
            sequencer.passIdlePeriods(idle);
            tick += long(idle);
        }
        const long now = tick * Sequencer::timerPeriod;
        rig.device.setTime(now);
        if (now >= longestPlayMs) {
            player.stopPlayback(Player::userStop);
            break;
        }
        rig.window.tickPosted = false;
        rig.timer.tick();
        if (rig.window.tickPosted) player.onTick();
    }
    return rig.device.messages();
}

std::vector<uint8_t> messagesAsSmf(const std::vector<RecordingMidiOut::Message>& messages) {
    SmfTrack track;
    track.tempo(0, 1000000);  // with 1000 ticks a quarter, one tick a millisecond
    long previous = 0;
    for (const RecordingMidiOut::Message& message : messages) {
        const uint32_t delta = uint32_t(message.timeMs - previous);
        previous = message.timeMs;
        const MessageBytes& bytes = message.bytes;
        if (midi::isSysExStatus(bytes[0]))
            track.sysEx(delta, bytes.data(), bytes.size());
        else
            track.shortMessage(delta, bytes[0], bytes[1], bytes.size() > 2 ? bytes[2] : 0);
    }
    track.endOfTrack();
    return SmfWriter(0, 1000).track(track).bytes();
}

std::string messageLines(const std::vector<RecordingMidiOut::Message>& messages) {
    // Built whole and written at once: a stream write per line costs more than the formatting.
    std::string text;
    text.reserve(messages.size() * 16);
    char line[messageLineCapacity];
    for (const RecordingMidiOut::Message& message : messages) {
        text.append(line, formatMessageLine(message.timeMs, message.bytes.data(), message.bytes.size(), line,
                                            sizeof line));
        text.push_back('\n');
    }
    return text;
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

    std::optional<std::vector<uint8_t>> image = loadRenderSong(options, err);
    if (!image) return 1;
    if (!options.songOutPath.empty() && !writeWholeFile(options.songOutPath, *image)) {
        err << options.songOutPath << ": cannot be written\n";
        return 1;
    }
    const std::vector<RecordingMidiOut::Message> messages = renderSong(std::move(*image), options);
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
    lines << messageLines(messages);
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

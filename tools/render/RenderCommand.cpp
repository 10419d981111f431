#include "tools/render/RenderCommand.h"

#include <fstream>

#include "app/MasterVolume.h"
#include "effects/SongRendering.h"
#include "playback/MessageLine.h"
#include "playback/MessagesAsSmf.h"
#include "playback/MidiVocabulary.h"
#include "tools/render/RenderInput.h"
#include "tools/render/RenderSong.h"
#include "tools/render/WavOutput.h"

namespace {
bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}
}  // namespace

void applyRenderOptions(PlaybackEngine& engine, const RenderOptions& options) {
    LiveControls& controls = engine.controls();
    engine.effect() = options.effect;
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
        applyMasterVolume(controls, volumeBase, *options.masterVolume, engine.out());
    }
}

std::vector<RecordingMidiOut::Message> renderSong(std::vector<uint8_t> image, const RenderOptions& options) {
    SongRendering rendering;
    rendering.load(std::move(image));
    applyRenderOptions(rendering.engine(), options);
    rendering.playToEnd(options.startSeconds);
    return rendering.messages();
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

    std::optional<std::vector<uint8_t>> image;
    if (options.hasSong()) {
        image = loadRenderSong(options, err);
        if (!image) return 1;
    }
    if (image && !options.songOutPath.empty() && !writeWholeFile(options.songOutPath, *image)) {
        err << options.songOutPath << ": cannot be written\n";
        return 1;
    }
    std::vector<RecordingMidiOut::Message> messages;
    if (options.inputPath.empty()) {
        messages = renderSong(std::move(*image), options);
    } else {
        std::ifstream input(options.inputPath, std::ios::binary);
        if (!input) {
            err << options.inputPath << ": ファイルが見つかりません\n";
            return 1;
        }
        std::optional<std::vector<RecordingMidiOut::Message>> played =
            renderWithInput(std::move(image), options, input, err);
        if (!played) return 1;
        messages = std::move(*played);
    }
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

#include "tools/render/RenderCommand.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <optional>

#include "app/FilePort.h"
#include "app/GeneratorMessages.h"
#include "app/MasterVolume.h"
#include "effects/SongRendering.h"
#include "playback/MessageLine.h"
#include "playback/MessagesAsSmf.h"
#include "playback/MidiVocabulary.h"
#include "playback/SmfWriter.h"
#include "tools/render/RenderInput.h"
#include "tools/render/RenderSong.h"
#include "tools/render/WavOutput.h"

namespace {
// The file is checked once it is closed: a write the stream kept in its buffer fails only there.
bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(std::filesystem::u8path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    return !file.fail();
}

// --smf, written as the messages come: the track's length goes into the header at the end.
class SmfFileOutput {
  public:
    explicit SmfFileOutput(const std::string& path)
        : file_(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc) {
        write(MessagesAsSmfPieces::header());
    }
    void add(const std::vector<RecordingMidiOut::Message>& messages) { write(pieces_.events(messages)); }
    bool finish() {
        write(pieces_.end());
        std::vector<uint8_t> length;
        appendBe32(length, uint32_t(written_ - MessagesAsSmfPieces::trackStart));
        file_.seekp(std::streamoff(MessagesAsSmfPieces::trackLengthOffset));
        file_.write(reinterpret_cast<const char*>(length.data()), std::streamsize(length.size()));
        file_.close();
        return !file_.fail();
    }

  private:
    void write(const std::vector<uint8_t>& bytes) {
        file_.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        written_ += bytes.size();
    }

    std::ofstream file_;
    MessagesAsSmfPieces pieces_;
    size_t written_ = 0;
};

std::string clockText(long ms) {
    const long seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

// How long the song plays with these options, found by playing it without keeping what it sends.
long playingTimeMs(const std::vector<uint8_t>& image, const RenderOptions& options) {
    SongRendering rendering;
    rendering.streamTo([](const SongRendering::Messages&) {});
    playWithOptions(rendering, image, options);
    return rendering.stopMs();
}

// Where the messages go: the lines (standard output or --out), and --wav and --smf when asked for.
class RenderOutputs {
  public:
    RenderOutputs(const RenderOptions& options, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err) {}

    // False, with the reason written, when an output cannot be opened. |playingMs|, when known, lets a song
    // too long for a WAV file be said before the hours of audio are made, not after.
    bool open(std::optional<long> playingMs) {
        if (!options_.wavPath.empty()) {
            const long wavMs = playingMs.value_or(0) + wavTailMs;
            if (wavMs > wavLongestMs)
                err_ << "velmira-render: the song plays for " << clockText(wavMs)
                     << ", longer than a WAV file holds; " << options_.wavPath << " ends after "
                     << clockText(wavLongestMs) << "\n";
            std::string problem;
            wav_ = startWavRendering(options_.soundFontPath, options_.wavPath, problem);
            if (!wav_) {
                err_ << "velmira-render: " << problem << "\n";
                return false;
            }
        }
        if (!options_.outPath.empty()) {
            outFile_.open(std::filesystem::u8path(options_.outPath), std::ios::binary);
            if (!outFile_) {
                err_ << options_.outPath << ": cannot be written\n";
                return false;
            }
        }
        if (!options_.smfPath.empty()) smf_ = std::make_unique<SmfFileOutput>(options_.smfPath);
        return true;
    }

    void take(const SongRendering::Messages& messages) {
        lines() << messageLines(messages);
        if (wav_) wav_->play(messages);
        if (smf_) smf_->add(messages);
    }

    // The exit code: 0 when every output was written whole.
    int finish() {
        if (wav_) {
            const std::string problem = wav_->finish();
            if (!problem.empty()) {
                err_ << "velmira-render: " << problem << "\n";
                return 1;
            }
        }
        std::ostream& written = lines();
        written.flush();
        if (outFile_.is_open()) outFile_.close();
        if (!written) {
            err_ << "velmira-render: the output could not be written\n";
            return 1;
        }
        if (smf_ && !smf_->finish()) {
            err_ << options_.smfPath << ": cannot be written\n";
            return 1;
        }
        return 0;
    }

  private:
    std::ostream& lines() { return options_.outPath.empty() ? out_ : outFile_; }

    const RenderOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    std::ofstream outFile_;
    std::unique_ptr<WavRendering> wav_;
    std::unique_ptr<SmfFileOutput> smf_;
};

// The song, handed to the outputs as it plays.
int render(std::vector<uint8_t> image, const RenderOptions& options, std::ostream& out, std::ostream& err) {
    RenderOutputs outputs(options, out, err);
    if (!outputs.open(options.wavPath.empty() ? std::nullopt
                                              : std::optional<long>(playingTimeMs(image, options))))
        return 1;
    SongRendering rendering;
    rendering.streamTo([&](const SongRendering::Messages& messages) { outputs.take(messages); });
    playWithOptions(rendering, std::move(image), options);
    return outputs.finish();
}

// --input: the recorded keyboard, with the song when there is one. Played whole before anything is written,
// so a line that is not input leaves no output behind.
int renderInput(std::optional<std::vector<uint8_t>> image, const RenderOptions& options, std::ostream& out,
                std::ostream& err) {
    std::ifstream input(std::filesystem::u8path(options.inputPath), std::ios::binary);
    if (!input) {
        err << options.inputPath << ": " << songReadFailureText(FileData::notFound) << "\n";
        return 1;
    }
    const std::optional<SongRendering::Messages> played =
        renderWithInput(std::move(image), options, input, err);
    if (!played) return 1;
    RenderOutputs outputs(options, out, err);
    if (!outputs.open(played->empty() ? 0 : played->back().timeMs)) return 1;
    outputs.take(*played);
    return outputs.finish();
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

void playWithOptions(SongRendering& rendering, std::vector<uint8_t> image, const RenderOptions& options) {
    rendering.load(std::move(image));
    applyRenderOptions(rendering.engine(), options);
    rendering.playToEnd(options.startSeconds, nullptr, options.jumps);
}

std::vector<RecordingMidiOut::Message> renderSong(std::vector<uint8_t> image, const RenderOptions& options) {
    SongRendering rendering;
    playWithOptions(rendering, std::move(image), options);
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

    try {
        std::optional<std::vector<uint8_t>> image;
        if (options.hasSong()) {
            image = loadRenderSong(options, err);
            if (!image) return 1;
        }
        if (image && !options.songOutPath.empty() && !writeWholeFile(options.songOutPath, *image)) {
            err << options.songOutPath << ": cannot be written\n";
            return 1;
        }
        if (!options.inputPath.empty()) return renderInput(std::move(image), options, out, err);
        return render(std::move(*image), options, out, err);
    } catch (const std::bad_alloc&) {
        err << "velmira-render: " << generatorFailureText(GeneratorError::noMemory) << "\n";
        return 1;
    }
}

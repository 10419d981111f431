#include "tools/render/RenderCommand.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>

#include "app/MasterVolume.h"
#include "app/Messages.h"
#include "effects/SongRendering.h"
#include "playback/MessageLine.h"
#include "playback/MessagesAsSmf.h"
#include "playback/MidiVocabulary.h"
#include "playback/OutputFile.h"
#include "playback/SmfWriter.h"
#include "tools/render/RenderInput.h"
#include "tools/render/RenderSong.h"
#include "tools/render/WavOutput.h"

namespace {
// --smf, written as the messages come: the track's length goes into the header at the end.
class SmfFileOutput {
  public:
    explicit SmfFileOutput(std::ostream& file) : file_(file) { write(MessagesAsSmfPieces::header()); }
    void add(const std::vector<RecordingMidiOut::Message>& messages) { write(pieces_.events(messages)); }
    void finish() {
        write(pieces_.end());
        std::vector<uint8_t> length;
        appendBe32(length, uint32_t(written_ - MessagesAsSmfPieces::trackStart));
        file_.seekp(std::streamoff(MessagesAsSmfPieces::trackLengthOffset));
        file_.write(reinterpret_cast<const char*>(length.data()), std::streamsize(length.size()));
    }

  private:
    void write(const std::vector<uint8_t>& bytes) {
        file_.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        written_ += bytes.size();
    }

    std::ostream& file_;
    MessagesAsSmfPieces pieces_;
    size_t written_ = 0;
};

// The words as they were sung, a line each: the time, L (H for a header) and the text, its line ends written
// as the "/" they mean so that each stays on its line.
std::string wordLines(SongRendering& rendering) {
    const LyricSheet& sheet = rendering.engine().player().lyrics();
    std::string text;
    for (const SongRendering::PlayedText& played : rendering.playedTexts()) {
        const LyricSheet::Entry* entry = sheet.entryAt(played.position);
        if (!entry) continue;  // a text event that is not one of the words
        std::string words = entry->text;
        std::replace_if(
            words.begin(), words.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, '/');
        text += std::to_string(played.timeMs) + (entry->header ? " H " : " L ") + words + "\n";
    }
    return text;
}

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

// Where the messages go: the lines (standard output or --out), and --wav, --smf and --song-out when asked
// for. Every file is made under a temporary name; at the end all of them take their names, or, when one
// failed, none does.
class RenderOutputs {
  public:
    RenderOutputs(const RenderOptions& options, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err) {}

    // False, with the reason written, when an output cannot be made; before anything is played. |song|, when
    // given, is the song as built, for --song-out. |playingMs|, when known, lets a song too long for a WAV
    // file be said before the hours of audio are made, not after.
    bool open(std::optional<long> playingMs, const std::vector<uint8_t>* song) {
        for (File& file : files_) {
            if (file.path.empty()) continue;
            file.output = std::make_unique<OutputFile>(file.path);
            if (!file.output->isOpen()) {
                err_ << file.path << ": cannot be written\n";
                return false;
            }
        }
        if (OutputFile* songOut = files_[songOutFile].output.get(); song && songOut)
            songOut->stream().write(reinterpret_cast<const char*>(song->data()),
                                    std::streamsize(song->size()));
        if (OutputFile* wav = files_[wavFile].output.get()) {
            const long wavMs = playingMs.value_or(0) + wavTailMs;
            if (wavMs > wavLongestMs)
                err_ << "velmira-render: the song plays for " << clockText(wavMs)
                     << ", longer than a WAV file holds; " << options_.wavPath << " ends after "
                     << clockText(wavLongestMs) << "\n";
            std::string problem;
            wavRendering_ = startWavRendering(options_.soundFontPath, wav->stream(), problem);
            if (!wavRendering_) {
                err_ << "velmira-render: " << problem << "\n";
                return false;
            }
        }
        if (OutputFile* smf = files_[smfFile].output.get())
            smfWriter_ = std::make_unique<SmfFileOutput>(smf->stream());
        return true;
    }

    void take(const SongRendering::Messages& messages) {
        if (!options_.lyrics) lines() << messageLines(messages);
        if (wavRendering_) wavRendering_->play(messages);
        if (smfWriter_) smfWriter_->add(messages);
    }

    void takeWords(SongRendering& rendering) { lines() << wordLines(rendering); }

    // The exit code: 0 when every output was written whole.
    int finish() {
        if (wavRendering_) wavRendering_->finish();
        if (smfWriter_) smfWriter_->finish();
        bool whole = true;
        if (!out_.flush()) {
            err_ << "velmira-render: the output could not be written\n";
            whole = false;
        }
        for (File& file : files_) {
            if (!file.output || file.output->complete()) continue;
            err_ << file.path << ": cannot be written\n";
            whole = false;
        }
        if (!whole) return 1;
        for (File& file : files_) {
            if (!file.output || file.output->commit()) continue;
            err_ << file.path << ": cannot be written\n";
            return 1;
        }
        return 0;
    }

  private:
    struct File {
        const std::string& path;
        std::unique_ptr<OutputFile> output;
    };
    enum { linesFile, smfFile, wavFile, songOutFile };
    std::ostream& lines() {
        OutputFile* file = files_[linesFile].output.get();
        return file ? file->stream() : out_;
    }

    const RenderOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    std::array<File, 4> files_{{{options_.outPath, nullptr},
                                {options_.smfPath, nullptr},
                                {options_.wavPath, nullptr},
                                {options_.songOutPath, nullptr}}};
    std::unique_ptr<WavRendering> wavRendering_;
    std::unique_ptr<SmfFileOutput> smfWriter_;
};

// The song, handed to the outputs as it plays.
int render(std::vector<uint8_t> image, const RenderOptions& options, std::ostream& out, std::ostream& err) {
    RenderOutputs outputs(options, out, err);
    if (!outputs.open(
            options.wavPath.empty() ? std::nullopt : std::optional<long>(playingTimeMs(image, options)),
            &image))
        return 1;
    SongRendering rendering;
    rendering.streamTo([&](const SongRendering::Messages& messages) { outputs.take(messages); });
    playWithOptions(rendering, std::move(image), options);
    if (options.lyrics) outputs.takeWords(rendering);
    return outputs.finish();
}

// --input: the recorded keyboard, with the song when there is one. Played whole before the outputs are
// made, so that a line that is not input costs no FluidSynth start.
int renderInput(std::optional<std::vector<uint8_t>> image, const RenderOptions& options, std::ostream& out,
                std::ostream& err) {
    std::ifstream input(std::filesystem::u8path(options.inputPath), std::ios::binary);
    if (!input) {
        err << options.inputPath << ": " << songReadFailureText(FileData::readError) << "\n";
        return 1;
    }
    const std::optional<std::vector<uint8_t>> song = options.songOutPath.empty() ? std::nullopt : image;
    const std::optional<SongRendering::Messages> played =
        renderWithInput(std::move(image), options, input, err);
    if (!played) return 1;
    RenderOutputs outputs(options, out, err);
    if (!outputs.open(played->empty() ? 0 : played->back().timeMs, song ? &*song : nullptr)) return 1;
    outputs.take(*played);
    return outputs.finish();
}

// An output that names an input would destroy what is being read, and two outputs of one name would leave
// a mixture of both: the command names the clash instead of playing.
std::optional<std::string> nameClash(const RenderOptions& options) {
    struct Named {
        const char* what;
        const std::string& path;
    };
    const std::string noFile;
    const Named inputs[] = {
        {"the song", options.source == RenderOptions::Source::seed ? noFile : options.songPath},
        {"--input", options.inputPath},
        {"--soundfont", options.soundFontPath}};
    const Named outputs[] = {{"--out", options.outPath},
                             {"--smf", options.smfPath},
                             {"--wav", options.wavPath},
                             {"--song-out", options.songOutPath}};
    for (size_t i = 0; i < std::size(outputs); ++i) {
        if (outputs[i].path.empty()) continue;
        auto clash = [&](const Named& other) {
            return std::string(outputs[i].what) + " would write over " + other.what + ": " + outputs[i].path;
        };
        for (const Named& input : inputs)
            if (!input.path.empty() && sameFile(outputs[i].path, input.path)) return clash(input);
        for (size_t j = 0; j < i; ++j)
            if (!outputs[j].path.empty() && sameFile(outputs[i].path, outputs[j].path))
                return clash(outputs[j]);
    }
    return std::nullopt;
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
        err << "velmira-render: " << parsed.error << "\n" << renderUsage();
        return 2;
    }
    const RenderOptions& options = parsed.options;
    if (options.help) {
        out << renderUsage();
        return 0;
    }

    if (const std::optional<std::string> clash = nameClash(options)) {
        err << "velmira-render: " << *clash << "\n";
        return 2;
    }
    try {
        std::optional<std::vector<uint8_t>> image;
        if (options.hasSong()) {
            image = loadRenderSong(options, err);
            if (!image) return 1;
        }
        for (const std::string* path : {&options.inputPath, &options.soundFontPath}) {
            const FileData::Status status = path->empty() ? FileData::ok : inputFileStatus(*path);
            if (status == FileData::ok) continue;
            err << *path << ": " << songReadFailureText(status) << "\n";
            return 1;
        }
        if (!options.inputPath.empty()) return renderInput(std::move(image), options, out, err);
        return render(std::move(*image), options, out, err);
    } catch (const std::bad_alloc&) {
        err << "velmira-render: " << generatorFailureText(GeneratorError::noMemory) << "\n";
        return 1;
    }
}

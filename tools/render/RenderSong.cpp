#include "tools/render/RenderSong.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/GeneratorMessages.h"
#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"

namespace {
// Why a file cannot be read, as the window says it for a song; empty when it can be opened.
std::string openFailure(const std::string& path) {
    std::error_code noThrow;
    if (!std::filesystem::exists(path, noThrow)) return "ファイルが見つかりません";
    if (std::filesystem::is_directory(path, noThrow)) return "File Read Error";
    return std::ifstream(path, std::ios::binary) ? "" : "File Read Error";
}

std::optional<std::vector<uint8_t>> readMidiFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
    if (file.bad()) return std::nullopt;
    return bytes;
}

GeneratedSong buildFromFile(const RenderOptions& options, PseudoRandom& random) {
    std::ifstream file(options.songPath, std::ios::binary);
    if (options.source == RenderOptions::Source::picture) return buildPictureSong(file, random);
    std::vector<uint8_t> text;
    const GeneratorError refusal = readTextSource(file, text);
    if (refusal != GeneratorError::none) return GeneratedSong::failure(refusal);
    return buildTextSong(text, random);
}
}  // namespace

std::optional<std::vector<uint8_t>> loadRenderSong(const RenderOptions& options, std::ostream& err) {
    using Source = RenderOptions::Source;
    const std::string& path = options.songPath;
    if (options.source != Source::seed) {
        const std::string failure = openFailure(path);
        if (!failure.empty()) {
            // The picture sound words a file it cannot open its own way.
            const bool picture = options.source == Source::picture;
            err << path << ": "
                << (picture ? generatorFailureText(GeneratorError::pictureOpenFailed) : failure) << "\n";
            return std::nullopt;
        }
    }
    if (options.source == Source::midiFile) {
        std::optional<std::vector<uint8_t>> bytes = readMidiFile(path);
        if (!bytes) err << path << ": File Read Error\n";
        return bytes;
    }

    PseudoRandom random;
    GeneratedSong song = options.source == Source::seed ? buildRandomSong(options.seed, random)
                                                        : buildFromFile(options, random);
    if (!song.ok()) {
        // A text the window refuses in silence still needs a word here.
        const std::string text = generatorFailureText(song.error);
        err << (options.source == Source::seed ? "velmira-render" : path) << ": "
            << (text.empty() ? "File Read Error" : text) << "\n";
        return std::nullopt;
    }
    return std::move(song.image);
}

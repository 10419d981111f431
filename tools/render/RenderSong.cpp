#include "tools/render/RenderSong.h"

#include <filesystem>
#include <fstream>
#include <new>

#include "app/Messages.h"
#include "generators/PictureSound.h"
#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "playback/SongBuffer.h"

// Only a regular file is opened: a pipe would wait for a writer for ever, a folder opens and reads as
// nothing, a device may never end.
FileData::Status inputFileStatus(const std::string& name) {
    const std::filesystem::path path = std::filesystem::u8path(name);
    std::error_code noThrow;
    const std::filesystem::file_status status = std::filesystem::status(path, noThrow);
    if (name.empty() || !std::filesystem::exists(status)) return FileData::notFound;
    if (!std::filesystem::is_regular_file(status)) return FileData::readError;
    return std::ifstream(path, std::ios::binary) ? FileData::ok : FileData::readError;
}

namespace {

// A song is read whole, so its size comes first. A file of no size known beforehand (a device, a pipe)
// could be endless, and is refused.
FileData readMidiFile(const std::string& name) {
    const std::filesystem::path path = std::filesystem::u8path(name);
    FileData file{FileData::readError, {}};
    std::error_code noThrow;
    if (!std::filesystem::is_regular_file(path, noThrow)) return file;
    const uintmax_t size = std::filesystem::file_size(path, noThrow);
    if (noThrow) return file;
    if (size > uintmax_t(SongBuffer::maxFileSize)) return {FileData::tooLarge, {}};
    try {
        file.bytes.resize(size_t(size));
    } catch (const std::bad_alloc&) {
        return {FileData::noMemory, {}};
    }
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(file.bytes.data()), std::streamsize(size));
    if (uintmax_t(in.gcount()) != size) return {FileData::readError, {}};
    file.status = FileData::ok;
    return file;
}

GeneratedSong buildFromFile(const RenderOptions& options, PseudoRandom& random) {
    std::ifstream file(std::filesystem::u8path(options.songPath), std::ios::binary);
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
        const FileData::Status status = inputFileStatus(path);
        if (status != FileData::ok) {
            // The picture sound words a file it cannot open its own way.
            const bool picture = options.source == Source::picture;
            err << path << ": "
                << (picture ? generatorFailureText(GeneratorError::pictureOpenFailed)
                            : songReadFailureText(status))
                << "\n";
            return std::nullopt;
        }
    }
    if (options.source == Source::midiFile) {
        FileData file = readMidiFile(path);
        if (file.status == FileData::ok) return std::move(file.bytes);
        err << path << ": " << songReadFailureText(file.status) << "\n";
        return std::nullopt;
    }

    PseudoRandom random;
    GeneratedSong song = options.source == Source::seed ? buildRandomSong(options.seed, random)
                                                        : buildFromFile(options, random);
    if (!song.ok()) {
        // A text the window refuses in silence still needs a word here.
        const std::string text = generatorFailureText(song.error);
        err << (options.source == Source::seed ? "velmira-render" : path) << ": "
            << (text.empty() ? songReadFailureText(FileData::readError) : text) << "\n";
        return std::nullopt;
    }
    return std::move(song.image);
}

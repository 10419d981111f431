#include "tests/generators/GeneratedSongView.h"

#include <algorithm>

namespace {
class Reader {
  public:
    explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    // Whether the next bytes are exactly |expected|; consumes them if so.
    bool take(const std::vector<uint8_t>& expected) {
        if (bytes_.size() - position_ < expected.size()) return false;
        if (!std::equal(expected.begin(), expected.end(), bytes_.begin() + long(position_))) return false;
        position_ += expected.size();
        return true;
    }
    bool has(size_t count) const { return bytes_.size() - position_ >= count; }
    uint8_t at(size_t offset) const { return bytes_[position_ + offset]; }
    void skip(size_t count) { position_ += count; }
    uint32_t takeBe32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | bytes_[position_++];
        return value;
    }
    size_t position() const { return position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

  private:
    const std::vector<uint8_t>& bytes_;
    size_t position_ = 0;
};

std::string readTrack(Reader& in, bool melody, TrackView& track) {
    if (!in.take({'M', 'T', 'r', 'k'}) || !in.has(4)) return "no track chunk";
    const uint32_t length = in.takeBe32();
    const size_t start = in.position();
    if (melody && !in.take({0x00, 0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0})) return "no tempo";
    if (!in.has(3) || in.at(0) != 0 || (in.at(1) & 0xF0) != 0xC0) return "no program change";
    track.channel = in.at(1) & 0x0F;
    track.program = in.at(2);
    in.skip(3);
    const uint8_t on = uint8_t(0x90 | track.channel), off = uint8_t(0x80 | track.channel);
    while (!in.take({0x00, 0xFF, 0x2F, 0x00})) {
        if (!in.has(8) || in.at(0) != 0 || in.at(1) != on || in.at(5) != off || in.at(6) != in.at(2) ||
            in.at(7) != 0) {
            return "bad note record at " + std::to_string(in.position());
        }
        track.notes.push_back({in.at(2), in.at(3), in.at(4)});
        in.skip(8);
    }
    if (in.position() - start != length)
        return "track length field " + std::to_string(length) + " but " +
               std::to_string(in.position() - start) + " bytes";
    return "";
}
}  // namespace

uint32_t GeneratedSongView::ticksOf(size_t track) const {
    uint32_t ticks = 0;
    for (const NoteRecord& note : tracks.at(track).notes) ticks += note.ticks;
    return ticks;
}

GeneratedSongView viewGeneratedSong(const std::vector<uint8_t>& image) {
    GeneratedSongView view;
    Reader in(image);
    if (!in.take({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 4, 0, 96})) {
        view.fault = "bad header";
        return view;
    }
    view.tracks.resize(4);
    for (size_t i = 0; i < 4 && view.fault.empty(); ++i) view.fault = readTrack(in, i == 0, view.tracks[i]);
    if (view.fault.empty() && !in.atEnd()) view.fault = "bytes after the last track";
    return view;
}

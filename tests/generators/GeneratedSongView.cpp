#include "tests/generators/GeneratedSongView.h"

#include <algorithm>
#include <initializer_list>

namespace {
// The image read front to back; a byte list that matches is consumed.
struct Reader {
    const std::vector<uint8_t>& bytes;
    size_t position = 0;

    bool has(size_t count) const { return bytes.size() - position >= count; }
    uint8_t operator[](size_t offset) const { return bytes[position + offset]; }
    bool take(std::initializer_list<uint8_t> expected) {
        if (!has(expected.size()) ||
            !std::equal(expected.begin(), expected.end(), bytes.begin() + long(position)))
            return false;
        position += expected.size();
        return true;
    }
};

std::string readTrack(Reader& in, bool melody, TrackView& track) {
    if (!in.take({'M', 'T', 'r', 'k'}) || !in.has(4)) return "no track chunk";
    const uint32_t length = uint32_t(in[0]) << 24 | in[1] << 16 | in[2] << 8 | in[3];
    const size_t start = in.position += 4;
    if (melody && !in.take({0x00, 0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0})) return "no tempo";
    if (!in.has(3) || in[0] != 0 || (in[1] & 0xF0) != 0xC0) return "no program change";
    track.channel = in[1] & 0x0F;
    track.program = in[2];
    in.position += 3;
    const uint8_t on = uint8_t(0x90 | track.channel), off = uint8_t(0x80 | track.channel);
    while (!in.take({0x00, 0xFF, 0x2F, 0x00})) {
        if (!in.has(8) || in[0] != 0 || in[1] != on || in[5] != off || in[6] != in[2] || in[7] != 0)
            return "bad note record at " + std::to_string(in.position);
        track.notes.push_back({in[2], in[3], in[4]});
        in.position += 8;
    }
    if (in.position - start != length)
        return "track length field " + std::to_string(length) + " but " +
               std::to_string(in.position - start) + " bytes";
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
    Reader in{image};
    if (!in.take({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 4, 0, 96})) {
        view.fault = "bad header";
        return view;
    }
    view.tracks.resize(4);
    for (size_t i = 0; i < 4 && view.fault.empty(); ++i) view.fault = readTrack(in, i == 0, view.tracks[i]);
    if (view.fault.empty() && in.position != image.size()) view.fault = "bytes after the last track";
    return view;
}

#include "playback/SongBuffer.h"

#include <algorithm>

#include "playback/MidiVocabulary.h"

namespace {
constexpr double fallbackDivision = 480.0;
constexpr int32_t headerSize = 14;
constexpr int32_t chunkHeaderSize = 8;

uint32_t readBe32(const SongBuffer& song, int64_t pos) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | song.byteAt(pos + i);
    return value;
}
}  // namespace

void SongBuffer::assign(std::vector<uint8_t> image) {
    image_ = std::move(image);
    trackPositions_.fill(0);
    trackEnds_.fill(0);
}

void SongBuffer::readHeader() {
    songFormat_ = byteAt(9);
    trackCount_ = std::min(byteAt(10) << 8 | byteAt(11), maxTracks);
    const int ticks = byteAt(12) << 8 | byteAt(13);
    division_ = ticks == 0 ? fallbackDivision : double(ticks);
}

void SongBuffer::prepareTracks() {
    trackPositions_.fill(0);
    trackEnds_.fill(0);
    int64_t chunk = headerSize;
    for (int track = 0; track < trackCount_; ++track) {
        const int64_t events = chunk + chunkHeaderSize;
        // A track whose first event would lie outside the image has nothing to play; so has every later
        // one, whose chunk is found from this one's length.
        if (!contains(events)) break;
        trackPositions_[size_t(track)] = int32_t(events);
        chunk = events + readBe32(*this, chunk + 4);
        trackEnds_[size_t(track)] = std::min(chunk, int64_t(image_.size()));
    }
}

FirstTempo findFirstTempo(const SongBuffer& song) {
    const std::vector<uint8_t>& image = song.image();
    for (size_t p = 0; p + 1 < image.size(); ++p) {
        if (image[p] == midi::metaEvent && image[p + 1] == midi::metaTempo) {
            FirstTempo tempo;
            tempo.found = true;
            tempo.typePosition = int32_t(p + 1);
            tempo.microsPerQuarter = uint32_t(song.byteAt(int64_t(p) + 3)) << 16 |
                                     uint32_t(song.byteAt(int64_t(p) + 4)) << 8 | song.byteAt(int64_t(p) + 5);
            return tempo;
        }
    }
    return {};
}

void walkTracks(SongBuffer& song, const std::function<bool(const TrackEvent&)>& visit) {
    song.prepareTracks();
    for (int track = 0; track < song.trackCount(); ++track) {
        int64_t p = song.trackPosition(track);
        if (p == 0) continue;
        const int64_t end = song.trackEnd(track);
        TrackEvent event;
        event.track = track;
        uint8_t runningStatus = 0;  // none
        while (p < end) {
            const VarLen delta = readVarLen(song, p);
            if (!delta.ok || delta.next >= end) break;
            p = delta.next;
            event.tick += delta.value;
            event.position = p;
            const uint8_t byte = song.byteAt(p);
            if (byte == midi::metaEvent || midi::isSysExStatus(byte)) {
                const bool meta = byte == midi::metaEvent;
                event.status = byte;
                event.metaType = meta ? song.byteAt(p + 1) : 0;
                if (meta && event.metaType == midi::metaEndOfTrack) break;
                const VarLen length = readVarLen(song, meta ? p + 2 : p + 1);
                if (!length.ok || length.next + length.value > song.size()) break;
                event.data = length.next;
                event.length = length.value;
                if (!visit(event)) return;
                p = length.next + length.value;
                runningStatus = 0;
                continue;
            }
            if (byte >= 0x80 && byte <= 0xEF) {
                runningStatus = byte;
                ++p;
            } else if (byte >= 0x80 || runningStatus == 0) {
                continue;  // not an event: the sequencer reads the byte again as a delta-time
            }
            const int dataBytes = midi::hasOneDataByte(runningStatus) ? 1 : 2;
            if (p + dataBytes > song.size()) break;
            event.status = runningStatus;
            event.data = p;
            if (!visit(event)) return;
            p += dataBytes;
        }
    }
}

bool holdsNote(SongBuffer& song) {
    bool holds = false;
    walkTracks(song, [&](const TrackEvent& event) {
        holds = midi::kindOf(event.status) == midi::noteOn && song.byteAt(event.data + 1) != 0;
        return !holds;
    });
    return holds;
}

VarLen readVarLen(const SongBuffer& song, int64_t pos) {
    VarLen result;
    while (song.contains(pos)) {
        const uint8_t byte = song.byteAt(pos++);
        result.value = result.value << 7 | (byte & 0x7F);
        if (byte < 0x80) {
            result.ok = true;
            break;
        }
    }
    result.next = pos;
    return result;
}

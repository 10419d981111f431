#include "playback/SmfWriter.h"

#include "playback/MidiVocabulary.h"

void appendBe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(value >> shift));
}

void appendVarLen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count > 1) out.push_back(uint8_t(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

std::vector<uint8_t> varLen(uint32_t value) {
    std::vector<uint8_t> groups;
    appendVarLen(groups, value);
    return groups;
}

std::vector<uint8_t> join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

std::vector<uint8_t> tempoEvent(uint32_t microsPerQuarter, uint32_t delta) {
    return SmfTrack().tempo(delta, microsPerQuarter).bytes();
}

std::vector<uint8_t> endOfTrack(uint32_t delta) {
    return SmfTrack().endOfTrack(delta).bytes();
}

SmfTrack& SmfTrack::shortMessage(uint32_t delta, uint8_t status, uint8_t data1, uint8_t data2) {
    appendVarLen(bytes_, delta);
    bytes_.insert(bytes_.end(), {status, data1});
    if (!midi::hasOneDataByte(status)) bytes_.push_back(data2);
    return *this;
}

SmfTrack& SmfTrack::sysEx(uint32_t delta, const uint8_t* message, size_t count) {
    if (count == 0) return *this;
    appendVarLen(bytes_, delta);
    bytes_.push_back(message[0]);
    appendVarLen(bytes_, uint32_t(count - 1));
    bytes_.insert(bytes_.end(), message + 1, message + count);
    return *this;
}

SmfTrack& SmfTrack::meta(uint32_t delta, const uint8_t* event, size_t count) {
    if (count < 2) return *this;
    appendVarLen(bytes_, delta);
    bytes_.insert(bytes_.end(), event, event + 2);
    appendVarLen(bytes_, uint32_t(count - 2));
    bytes_.insert(bytes_.end(), event + 2, event + count);
    return *this;
}

SmfTrack& SmfTrack::tempo(uint32_t delta, uint32_t microsPerQuarter) {
    return raw(delta, {midi::metaEvent, midi::metaTempo, 0x03, uint8_t(microsPerQuarter >> 16),
                       uint8_t(microsPerQuarter >> 8), uint8_t(microsPerQuarter)});
}

SmfTrack& SmfTrack::endOfTrack(uint32_t delta) {
    return raw(delta, {midi::metaEvent, midi::metaEndOfTrack, 0x00});
}

SmfTrack& SmfTrack::raw(uint32_t delta, std::initializer_list<uint8_t> bytes) {
    appendVarLen(bytes_, delta);
    bytes_.insert(bytes_.end(), bytes);
    return *this;
}

SmfWriter& SmfWriter::track(std::vector<uint8_t> events) {
    tracks_.push_back(std::move(events));
    return *this;
}

SmfWriter& SmfWriter::announceTracks(int count) {
    announced_ = count;
    return *this;
}

std::vector<uint8_t> SmfWriter::bytes() const {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    for (int field : {format_, announced_ >= 0 ? announced_ : int(tracks_.size()), division_})
        out.insert(out.end(), {uint8_t(field >> 8), uint8_t(field)});
    for (const auto& events : tracks_) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        appendBe32(out, uint32_t(events.size()));
        out.insert(out.end(), events.begin(), events.end());
    }
    return out;
}

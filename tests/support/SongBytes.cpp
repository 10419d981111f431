#include "tests/support/SongBytes.h"

#include "playback/SmfBytes.h"

SongBytes& SongBytes::track(std::vector<uint8_t> events) {
    tracks_.push_back(std::move(events));
    return *this;
}

SongBytes& SongBytes::announceTracks(int count) {
    announced_ = count;
    return *this;
}

std::vector<uint8_t> SongBytes::bytes() const {
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
    return join({varLen(delta),
                 {0xFF, 0x51, 0x03, uint8_t(microsPerQuarter >> 16), uint8_t(microsPerQuarter >> 8),
                  uint8_t(microsPerQuarter)}});
}

std::vector<uint8_t> endOfTrack(uint32_t delta) {
    return join({varLen(delta), {0xFF, 0x2F, 0x00}});
}

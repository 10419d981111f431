#include "playback/MessagesAsSmf.h"

#include <algorithm>

#include "playback/MidiVocabulary.h"
#include "playback/SmfWriter.h"

namespace {
// With 1000 ticks a quarter and a quarter a second, one tick a millisecond.
constexpr int ticksPerQuarter = 1000;
constexpr uint32_t microsPerQuarter = 1000000;
}  // namespace

std::vector<uint8_t> messagesAsSmf(const std::vector<RecordingMidiOut::Message>& messages, long endMs) {
    MessagesAsSmfPieces pieces;
    std::vector<uint8_t> file = pieces.header();
    for (const std::vector<uint8_t>& piece : {pieces.events(messages), pieces.end(endMs)})
        file.insert(file.end(), piece.begin(), piece.end());
    std::vector<uint8_t> length;
    appendBe32(length, uint32_t(file.size() - MessagesAsSmfPieces::trackStart));
    std::copy(length.begin(), length.end(), file.begin() + MessagesAsSmfPieces::trackLengthOffset);
    return file;
}

std::vector<uint8_t> MessagesAsSmfPieces::header() {
    return SmfWriter(0, ticksPerQuarter).track(SmfTrack().tempo(0, microsPerQuarter)).bytes();
}

std::vector<uint8_t> MessagesAsSmfPieces::events(const std::vector<RecordingMidiOut::Message>& messages) {
    SmfTrack track;
    for (const RecordingMidiOut::Message& message : messages) {
        const uint32_t delta = uint32_t(message.timeMs - previousMs_);
        previousMs_ = message.timeMs;
        const MessageBytes& bytes = message.bytes;
        if (bytes[0] == midi::metaEvent)
            track.meta(delta, bytes.data(), bytes.size());
        else if (midi::isSysExStatus(bytes[0]))
            track.sysEx(delta, bytes.data(), bytes.size());
        else
            track.shortMessage(delta, bytes[0], bytes[1], bytes.size() > 2 ? bytes[2] : 0);
    }
    return track.bytes();
}

std::vector<uint8_t> MessagesAsSmfPieces::end(long endMs) const {
    return SmfTrack().endOfTrack(endMs > previousMs_ ? uint32_t(endMs - previousMs_) : 0).bytes();
}

#include "playback/MessagesAsSmf.h"

#include "playback/MidiVocabulary.h"
#include "playback/SmfWriter.h"

std::vector<uint8_t> messagesAsSmf(const std::vector<RecordingMidiOut::Message>& messages, long endMs) {
    SmfTrack track;
    track.tempo(0, 1000000);  // with 1000 ticks a quarter, one tick a millisecond
    long previous = 0;
    for (const RecordingMidiOut::Message& message : messages) {
        const uint32_t delta = uint32_t(message.timeMs - previous);
        previous = message.timeMs;
        const MessageBytes& bytes = message.bytes;
        if (midi::isSysExStatus(bytes[0]))
            track.sysEx(delta, bytes.data(), bytes.size());
        else
            track.shortMessage(delta, bytes[0], bytes[1], bytes.size() > 2 ? bytes[2] : 0);
    }
    track.endOfTrack(endMs > previous ? uint32_t(endMs - previous) : 0);
    return SmfWriter(0, 1000).track(track).bytes();
}

#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "playback/RecordingMidiOut.h"

// Recorded messages as a format 0 Standard MIDI File (a message kept as FF, a type and data is written as
// that meta event: the song's words), one tick a millisecond, so their times are exact:
// played by the program, each message falls due in the timer period it was recorded in. The track ends
// with its last message, or at endMs when that is later.
std::vector<uint8_t> messagesAsSmf(const std::vector<RecordingMidiOut::Message>& messages, long endMs = 0);

// The same file in pieces, for a recording too long to hold at once: header(), then the events of each
// batch of messages, then end(). The track's length in the header is that of its first event alone; the
// writer puts the whole track's length (every byte from trackStart on) at trackLengthOffset.
class MessagesAsSmfPieces {
  public:
    static constexpr size_t trackLengthOffset = 18;
    static constexpr size_t trackStart = 22;

    static std::vector<uint8_t> header();
    std::vector<uint8_t> events(const std::vector<RecordingMidiOut::Message>& messages);
    std::vector<uint8_t> end(long endMs = 0) const;

  private:
    long previousMs_ = 0;
};

#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "playback/MidiOut.h"
#include "playback/MidiVocabulary.h"

// The tone a channel plays: the song's last program change and bank select, or, while `fixed`, the user's
// choice, which then replaces the song's own.
struct ChannelTone {
    uint8_t program = 0;
    uint8_t bank = 0;
    bool fixed = false;
    // Counts (wrapping) the song's program changes and bank selects that have reached the device on the
    // channel. One that repeats the tone the channel had still replaces a tone previewed there; two readings
    // of this tell.
    uint16_t songChanges = 0;
};

// The tone of every channel. The tone dialog locks it on the window thread while the event filter writes
// the song's program changes and bank selects into it on the timer thread. Each channel's tone, lock and
// count are one atomic word, so a lock can never be torn apart from its tone: the song's values go in only
// while the word is unlocked (compare and swap), and the lock goes in with its tone in one exchange.
class ChannelTones {
  public:
    static constexpr int channelCount = midi::channelCount;

    ChannelTone at(int channel) const;

    // The state after a song has been loaded: every channel on {0, 0}, nothing locked, a new generation.
    void reset();

    // The song's program change or bank select on the channel: it becomes the channel's tone unless the
    // user has locked it. Returns the value to send, the song's or the locked one.
    uint8_t takeSongProgram(int channel, uint8_t program);
    uint8_t takeSongBank(int channel, uint8_t bank);
    // The song's program change or bank select has gone to the device: counted unless the channel is locked.
    // Returns the tone as it is now; a lock set meanwhile is one the device may not have heard.
    ChannelTone songToneSent(int channel);

    // Locks the channel on a tone the user chose. Returns the tone it held just before.
    ChannelTone fix(int channel, uint8_t program, uint8_t bank);
    // Locks the channel on whatever tone it holds at this moment.
    void fixCurrent(int channel);

    // Counts the resets, one per song loaded. The tone dialog is modal while the song plays on, and a song
    // list advance can load the next song under it; it compares this to tell. Window thread only.
    uint32_t songGeneration() const { return songGeneration_; }

  private:
    uint8_t takeSongValue(int channel, int shift, uint8_t value);

    std::array<std::atomic<uint32_t>, channelCount> words_{};
    uint32_t songGeneration_ = 0;
};

// A tone as the program puts it on a channel: bank select (its value, then the LSB 0) and the program
// change; the drum channel (midi::drumChannel) takes the program (its drum set) alone.
void sendTone(MidiOut& out, int channel, uint8_t program, uint8_t bank);

#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "playback/MidiVocabulary.h"

// The tone a channel plays: the song's last program change and bank select, or the user's choice.
struct ChannelTone {
    std::atomic<uint8_t> program{0};
    std::atomic<uint8_t> bank{0};
};

// The tone of every channel and the user's lock on it. The tone dialog writes them on the window thread
// while the event filter reads (and, for unlocked channels, writes) them on the timer thread.
struct ChannelTones {
    static constexpr int channelCount = midi::channelCount;

    std::array<ChannelTone, channelCount> tone{};
    // While set, the song's program changes and bank selects on the channel give way to `tone`.
    std::array<std::atomic<bool>, channelCount> toneFixed{};
    // Counts the resets, one per song loaded. The tone dialog is modal while the song plays on, and a song
    // list advance can load the next song under it; it compares this to tell. Window thread only.
    uint32_t songGeneration = 0;

    // The state after a song has been loaded: every channel on {0, 0}, nothing locked, a new generation.
    void reset();
    // Locks the channel on a tone the user chose. The tone is stored before the lock is published, so the
    // filter never sees the lock with the tone it replaces.
    void fix(int channel, uint8_t program, uint8_t bank);
};

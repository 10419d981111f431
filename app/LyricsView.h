#pragma once
#include <cstdint>

#include "playback/LyricRing.h"
#include "playback/LyricSheet.h"

// What the lyrics window shows at the moment of the song: the title on top, the line being sung with the
// words already sung, and the next line. It follows the sequencer's reports, which arrive through the ring,
// and a jump, which reports nothing of what it passed over and leaves only where it went.
// Threads: window thread only, every call (it is the ring's taking side; the timer thread pushes).
class LyricsView {
  public:
    // What the window says for a song without words.
    static constexpr const char* noWordsText = "歌詞はありません";

    // At a song load and at a stop: the song's start. What the ring still holds is from before and goes.
    void reset(const LyricSheet& sheet, LyricRing& ring);
    // On the window's tick, as the face's read-outs update: takes what was sung since the last tick; after a
    // play start or a jump, the line of that moment. Returns whether what shows changed.
    bool update(const LyricSheet& sheet, LyricRing& ring);

    const LyricMoment& moment() const { return moment_; }

  private:
    void show(const LyricSheet& sheet, int32_t position);

    int32_t shown_ = LyricRing::none;       // the last sung event shown
    int32_t latestSeen_ = LyricRing::none;  // the ring's latest at the last look
    LyricMoment moment_;
};

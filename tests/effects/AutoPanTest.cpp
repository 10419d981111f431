// Automatic pan on its own: which channels a song lets sweep, where a new speed or a loaded song starts a
// sweep, and its turns at both ends.
#include <gtest/gtest.h>

#include <cstdio>

#include "effects/AutoPan.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "tests/support/Steps.h"

namespace {

// Plays the actions on the auto-pan of a song of this format and returns what they gave: "speed C S" whether
// the speed was taken, "step C" the pan a track of channel C's running status sent ("-" for none), "value C"
// the channel's pan; "at C V" moves the channel's sweep to V, "reset" loads a song again.
Lines transcript(int format, const Lines& actions) {
    RecordingMidiOut out;
    LiveControls controls;
    for (auto& level : controls.channelLevel) level = 100;  // every channel has sounded
    SongBuffer song;
    song.assign(SmfWriter(format, 96).track(SmfTrack().endOfTrack()).bytes());
    song.readHeader();
    AutoPan pan(out, controls, song);
    Lines lines;
    for (const std::string& action : actions) {
        int channel = 0, value = 0;
        if (std::sscanf(action.c_str(), "speed %d %d", &channel, &value) == 2)
            lines.push_back(pan.setSpeed(channel, value) ? "taken" : "refused");
        if (std::sscanf(action.c_str(), "at %d %d", &channel, &value) == 2)
            pan.value[channel] = uint8_t(value);
        if (std::sscanf(action.c_str(), "value %d", &channel) == 1)
            lines.push_back(std::to_string(pan.value[channel]));
        if (action == "reset") pan.reset();
        if (std::sscanf(action.c_str(), "step %d", &channel) != 1) continue;
        out.clear();
        pan.step(uint8_t(0x90 | channel));
        lines.push_back(out.messages().empty() ? "-"
                                               : RecordingMidiOut::formatLine(out.messages()[0]).substr(2));
    }
    return lines;
}

TEST(AutoPan, ASongsFormatDecidesWhichChannelsSweepAndASpeedOrALoadStartsTheSweepAgain) {
    const struct {
        const char* why;
        int format;
        const char *actions, *lines;
    } cases[] = {
        {"each track its own channel", 1, "speed 0 5; speed 1 5", "taken; taken"},
        {"one channel holds a single track's sweep until its speed is 0", 0,
         "speed 3 12; speed 4 12; step 7; speed 3 0; speed 4 12", "taken; refused; B3 0A 41; taken; taken"},
        {"no sweep in other formats", 2, "speed 0 12", "refused"},
        {"a new speed starts from the centre", 1, "speed 2 12; step 2; step 2; speed 2 12; step 2",
         "taken; B2 0A 41; B2 0A 42; taken; B2 0A 41"},
        {"the turns at both ends", 1,
         "speed 0 12; at 0 125; step 0; step 0; step 0; at 0 2; step 0; step 0; step 0",
         "taken; B0 0A 7E; B0 0A 7E; B0 0A 7D; B0 0A 01; B0 0A 01; B0 0A 02"},
        {"a load stops every sweep, back in the centre", 1, "speed 0 12; step 0; reset; value 0; step 0",
         "taken; B0 0A 41; 64; -"},
        {"a load frees the held sweep", 0, "speed 3 12; reset; speed 4 12", "taken; taken"},
    };
    for (const auto& c : cases) EXPECT_EQ(transcript(c.format, steps(c.actions)), steps(c.lines)) << c.why;
}
}  // namespace

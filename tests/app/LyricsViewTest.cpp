// The lyrics window's model as the window's ticks see a song: the words sung so far, a jump back, a stop.
#include <gtest/gtest.h>

#include <string>

#include "app/LyricsView.h"
#include "playback/SilentMidiOut.h"
#include "playback/SmfWriter.h"
#include "tests/support/VirtualPlayer.h"

namespace {
// "Song" with "one" at 0 s, " two" 0.5, "/three" 0.9, " four" 1.5, "/five" 2, or without words.
std::vector<uint8_t> song(bool words) {
    SmfTrack track;
    auto meta = [&](uint32_t delta, uint8_t type, const std::string& text) {
        std::vector<uint8_t> event{0xFF, type};
        event.insert(event.end(), text.begin(), text.end());
        track.meta(delta, event.data(), event.size());
    };
    meta(0, 0x03, "Song");
    if (words)
        for (auto [delta, word] :
             {std::pair{0, "one"}, {480, " two"}, {384, "/three"}, {576, " four"}, {480, "/five"}})
            meta(uint32_t(delta), 0x05, word);
    return SmfWriter(0, 480).track(track.endOfTrack(480)).bytes();
}
}  // namespace

TEST(LyricsView, ShowsTheLineOfTheMomentAsPlayedAfterAJumpAndFromTheStartAfterAStop) {
    enum Then { goOn, jumpBackTo1s, stop };
    const struct {
        bool words;
        int playedTicks;  // of 10 ms
        Then then;
        const char* shown;  // title|sung|line|next
    } cases[] = {
        {true, 70, goOn, "Song|one two|one two|three four"},
        {true, 160, goOn, "Song|three four|three four|five"},
        {true, 160, jumpBackTo1s, "Song|three|three four|five"},
        {true, 160, stop, "Song||one two|three four"},
        {false, 160, goOn, "|歌詞はありません"},
    };
    for (const auto& c : cases) {
        VirtualPlayer<SilentMidiOut> rig;
        const LyricSheet& sheet = rig.player.lyrics();
        LyricsView view;
        rig.player.loadSong(song(c.words));
        view.reset(sheet, rig.sequencer.lyrics());
        rig.player.startPlayback();
        for (int tick = 0; tick < c.playedTicks; ++tick) {
            rig.timer.tick();
            view.update(sheet, rig.sequencer.lyrics());
        }
        if (c.then == jumpBackTo1s) rig.player.jumpTo(1);
        if (c.then == stop)
            rig.player.stopPlayback(Player::userStop), view.reset(sheet, rig.sequencer.lyrics());
        view.update(sheet, rig.sequencer.lyrics());
        const LyricMoment& m = view.moment();
        const std::string words = m.line.substr(0, m.sung) + "|" + m.line + "|" + m.next;
        EXPECT_EQ(m.title + "|" + (m.noWords ? LyricsView::noWordsText : words), c.shown) << c.shown;
    }
}

// The lyrics window's model as the window's ticks see a song: the words sung so far, a jump back, a stop;
// and "歌詞…" in the main window: shown and hidden, and told of each tick and each load.
#include <cstring>
#include <string>

#include "app/LyricsView.h"
#include "playback/SilentMidiOut.h"
#include "tests/app/WindowModelFixture.h"
#include "tests/support/VirtualPlayer.h"

namespace {
// "Song" with "one" at 0 s, " two" 0.5, "/three" 0.9, " four" 1.5, "/five" 2, or without words.
std::vector<uint8_t> song(bool words) {
    std::vector<uint8_t> track = {0x00, 0xFF, 0x03, 4, 'S', 'o', 'n', 'g'};
    for (auto [delta, word] :
         {std::pair{0, "one"}, {480, " two"}, {384, "/three"}, {576, " four"}, {480, "/five"}})
        if (words)
            track = join(
                {track, varLen(delta), {0xFF, 0x05, uint8_t(strlen(word))}, {word, word + strlen(word)}});
    return SmfWriter(0, 480).track(join({track, endOfTrack(480)})).bytes();
}
}  // namespace

TEST(LyricsView, ShowsTheLineOfTheMomentAsPlayedAfterAJumpAndFromTheStartAfterAStop) {
    enum Then { goOn, jumpBackTo1s, jumpBackToStart, stop, stopAndReplay };
    const struct {
        bool words;
        int playedTicks;  // of 10 ms
        Then then;
        const char* shown;  // title|sung|line|next
    } cases[] = {
        {true, 160, goOn, "Song|three four|three four|five"},
        {true, 210, goOn, "Song|five|five|"},
        {true, 160, jumpBackTo1s, "Song|three|three four|five"},
        {true, 160, jumpBackToStart, "Song||one two|three four"},
        {true, 160, stop, "Song||one two|three four"},
        {true, 10, stopAndReplay, "Song|one|one two|three four"},  // the same word again is news
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
            // Before a plain stop the window never looks: what was sung unseen is still no news after it.
            if (c.then != stop) view.update(sheet, rig.sequencer.lyrics());
        }
        if (c.then == jumpBackTo1s || c.then == jumpBackToStart)
            rig.player.jumpTo(c.then == jumpBackTo1s ? 1 : 0);
        if (c.then == stop || c.then == stopAndReplay)
            rig.player.stopPlayback(Player::userStop), view.reset(sheet, rig.sequencer.lyrics());
        if (c.then == stopAndReplay) rig.player.startPlayback(), rig.timer.tick();
        EXPECT_EQ(view.update(sheet, rig.sequencer.lyrics()),
                  c.then == jumpBackTo1s || c.then == jumpBackToStart || c.then == stopAndReplay);
        const LyricMoment& m = view.moment();
        const std::string words = m.line.substr(0, m.sung) + "|" + m.line + "|" + m.next;
        EXPECT_EQ(m.title + "|" + (m.noWords ? LyricsView::noWordsText : words), c.shown) << c.shown;
    }
}

using LyricsWindowTest = WindowModelTest;

TEST_F(LyricsWindowTest, TheMenuShowsAndHidesItAndItFollowsTheTicksAndEachLoad) {
    port.addFile("words.mid", song(true));
    port.addFile("none.mid", song(false));
    ASSERT_TRUE(startUp());
    model.onCommand(IDM_LYRICS_WINDOW);
    EXPECT_TRUE(port.lyrics.shown && model.menuItemState(IDM_LYRICS_WINDOW).checked);
    port.nextChoice = "words.mid", model.onCommand(IDM_FILE_OPEN);
    EXPECT_EQ(port.lyrics.line, "one two");
    model.engine().player().startPlayback();
    const int shownAtLoad = port.lyrics.shows;
    for (int tick = 0; tick < 100; ++tick) timer.tick(), model.onTick();
    // Told once a word sung: "one", " two", then the next line; the face's clock follows the same ticks.
    EXPECT_EQ(std::tuple(port.lyrics.line, port.lyrics.shows - shownAtLoad, port.canvases.texts.back().text),
              std::tuple(std::string("three four"), 3, std::string("00:01")));
    port.lyrics.line = "";
    model.engine().player().stopPlayback(Player::userStop);
    EXPECT_EQ(port.lyrics.line, "one two");  // back at the start
    port.nextChoice = "none.mid", model.onCommand(IDM_FILE_OPEN);
    EXPECT_EQ(port.lyrics.line, "");
    model.onCommand(IDM_LYRICS_WINDOW);
    EXPECT_FALSE(port.lyrics.shown);
}

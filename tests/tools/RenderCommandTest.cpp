// velmira-render from the outside: files in (a song, a generator's source, a recorded keyboard), lines out.
#include <sys/stat.h>

#include <algorithm>

#include "app/PlayedSong.h"
#include "generators/RandomSound.h"
#include "playback/SmfWriter.h"
#include "playback/SongBuffer.h"
#include "tests/support/VirtualPlayer.h"
#include "tests/tools/RenderFixture.h"

namespace {
using Bytes = std::vector<uint8_t>;

class RenderCommandTest : public RenderTest {
  protected:
    // No tempo event, so the default 500 ms a quarter: a program change (one data byte), then D4 and E4 for
    // a quarter each.
    const std::string song_ = write(
        "song.mid", SmfWriter(0, 480)
                        .track({0x00, 0xC0, 5,  0x00, 0x90, 62,   100, 0x83, 0x60, 0x80, 62,   0,   0x00,
                                0x90, 64,   90, 0x83, 0x60, 0x80, 64,  0,    0x00, 0xFF, 0x2F, 0x00})
                        .bytes());

    std::string input(const std::string& lines) {
        return write("input.txt", std::vector<uint8_t>(lines.begin(), lines.end()));
    }
};
}  // namespace

// The master volume's 16 scaled volumes follow the 17 load messages; the player's tests check the load's and
// the stop's own messages.
TEST_F(RenderCommandTest, WritesLoadVolumeNoteAndStopLinesToAFileAndTheMessagesAsAMidiFile) {
    EXPECT_TRUE(run({"--volume", "120", "--out", path("out.txt"), "--smf", path("out.mid"), song_}).empty());
    ASSERT_EQ(exitCode, 0) << errors;
    const Lines lines = readLines("out.txt");
    ASSERT_EQ(lines.size(), 17u + 16u + 5u + 48u);
    EXPECT_EQ(lines[17] + ", " + lines[32], "0 B0 07 78, 0 BF 07 78");
    EXPECT_EQ(Lines(lines.begin() + 33, lines.begin() + 38),
              (Lines{"0 C0 05 00", "0 90 3E 64", "500 80 3E 00", "500 90 40 5A", "1000 80 40 00"}));
    // Playing the written MIDI file sends the same messages at the same times, between its own load and stop.
    const Lines replayed = run({path("out.mid")});
    ASSERT_EQ(replayed.size(), 17u + lines.size() + 48u);
    EXPECT_EQ(Lines(replayed.begin() + 17, replayed.end() - 48), lines);
}

// The rules themselves are the filter's tests; this run shows that the options reach it: two flats lower
// E, the shift follows the effect, and the doubled note goes first.
TEST_F(RenderCommandTest, HandsItsOptionsToTheEffectAndTheLiveControls) {
    const Lines lines =
        run({"--effect", "12", "--keysig", "-1", "2", "--transpose", "-2", "--double", "0", song_});
    ASSERT_EQ(lines.size(), 17u + 9u + 48u);
    EXPECT_EQ(Lines(lines.begin() + 18, lines.end() - 48),
              (Lines{"0 90 30 64", "0 90 3C 64", "500 80 30 00", "500 80 3C 00", "500 90 31 5A",
                     "500 90 3D 5A", "1000 80 31 00", "1000 80 3D 00"}));
    // A jump at the start is --start's jump.
    const Lines jumped = run({"--jump", "0:1", song_});
    EXPECT_EQ(jumped, run({"--start", "1", song_}));
    EXPECT_NE(jumped, run({song_}));
}

TEST_F(RenderCommandTest, RefusesBadCommandLinesAndPlaysAFileThatIsNotMidiToItsEnd) {
    for (const Lines& bad :
         {Lines{}, Lines{"--effect", "10", "x.mid"}, Lines{"--effect", "11", "x.mid"},
          Lines{"--effect", "14", "x.mid"}, Lines{"--keysig", "2", "1", "x.mid"},
          Lines{"--volume", "121", "x.mid"}, Lines{"a.mid", "b.mid"}, Lines{"--transpose"}, Lines{""},
          Lines{"--window", "10", "2", "x.mid"}, Lines{"--input", "i.txt", "--start", "1"},
          Lines{"--jump", "5", "x.mid"}, Lines{"--jump", "5:-1", "x.mid"},
          // A generated song takes the place of the file, and its seed is a clock value
          // of the bits the generator draws from.
          Lines{"--from-seed", "2147483648"}, Lines{"--from-seed", " -18446744073709551615"},
          Lines{"a.mid", "--from-seed", "1"}}) {
        EXPECT_TRUE(run(bad).empty() && exitCode == 2 &&
                    errors.find("usage: velmira-render") != std::string::npos)
            << (bad.empty() ? "" : bad[0] + " " + bad.back());
    }
    EXPECT_TRUE(!run({"--help"}).empty() && exitCode == 0);
    // A file that is not MIDI is played as the program would, and ends.
    EXPECT_EQ(run({write("text.mid", {'h', 'e', 'l', 'l', 'o'})}).size(), 17u + 48u);
    EXPECT_EQ(exitCode, 0);
}

// What cannot be read is said, with a failing exit code, before it is opened: a missing file, a device
// (endless), a pipe (it would wait for a writer for ever), a folder, a song larger than the program takes
// (refused before it is read).
TEST_F(RenderCommandTest, RefusesInputsItCannotReadWhole) {
    const std::string huge = path("huge.mid");
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, uintmax_t(SongBuffer::maxFileSize) + 1);  // sparse: nothing is written
    const std::string pipe = path("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string dir = folder.string();
    const std::pair<Lines, std::string> cases[] = {
        // the arguments, and what is said
        {{"/dev/zero"}, "/dev/zero: File Read Error\n"},
        {{dir}, dir + ": File Read Error\n"},
        {{path("missing.mid")}, path("missing.mid") + ": ファイルが見つかりません\n"},
        {{huge}, huge + ": ファイルサイズが大きすぎます\n"},
        {{pipe}, pipe + ": File Read Error\n"},
        {{"--from-text", pipe}, pipe + ": File Read Error\n"},
        {{"--input", pipe}, pipe + ": File Read Error\n"},
        {{"--input", dir}, dir + ": File Read Error\n"},
        {{"--soundfont", pipe, "--wav", path("a.wav"), song_}, pipe + ": File Read Error\n"},
    };
    for (const auto& [arguments, error] : cases) {
        run(arguments);
        EXPECT_EQ(std::pair(exitCode, errors), std::pair(1, error));
    }
    run({"--from-picture", pipe});
    EXPECT_EQ(exitCode, 1);
}

// An output is whole or absent: when one cannot be written (a device, a missing folder, a full disk), the
// run fails and none of the others is left either, nor a temporary file.
TEST_F(RenderCommandTest, AnOutputThatFailsLeavesNoFileOfAnyOutput) {
    const std::string lineEnds = write("lines.txt", std::vector<uint8_t>(300, '\n'));  // an 81-byte song
    const std::string mid = path("a.mid"), missing = path("missing/x.txt"), txt = path("a.txt");
    const Lines before = entries();
    const struct {
        Lines arguments;
        std::string failed;
        rlim_t room;
    } cases[] = {
        {{"--smf", mid, "--out", "/dev/full", song_}, "/dev/full", RLIM_INFINITY},
        {{"--smf", mid, "--out", missing, song_}, missing, RLIM_INFINITY},
        {{"--out", txt, "--smf", mid, song_}, txt, 500},
        {{"--wav", path("a.wav"), song_}, path("a.wav"), 100000},
        // A song small enough to stay in the stream's buffer until the file is closed.
        {{"--song-out", mid, "--from-text", lineEnds}, mid, 50},
    };
    for (const auto& c : cases) {
        {
            const FullDisk full(c.room);
            run(c.arguments);
        }
        EXPECT_EQ(std::tuple(exitCode, errors, entries()),
                  std::tuple(1, c.failed + ": cannot be written\n", before));
    }
}

// Writing over what is read, or two outputs into one file, would leave neither whole; a second name of the
// song (a hard link) is the song, and a folder reached through a link the folder. A symbolic link stays a
// link: the file it leads to takes the output.
TEST_F(RenderCommandTest, RefusesAnOutputThatNamesAnInputOrAnotherOutputAndWritesThroughALink) {
    const std::vector<uint8_t> song = read("song.mid");
    std::filesystem::create_hard_link(song_, path("again.mid"));
    std::filesystem::create_directory_symlink(".", path("via"));
    for (const Lines& clash :
         {Lines{"--smf", song_, song_}, Lines{"--out", path("x"), "--wav", path("x"), song_},
          Lines{"--out", "x", "--smf", "./x", song_}, Lines{"--smf", path("again.mid"), song_},
          Lines{"--out", path("x"), "--smf", path("via/x"), song_}}) {
        run(clash);
        EXPECT_TRUE(exitCode == 2 && errors.find("would write over") != std::string::npos)
            << clash[1] << errors;
    }
    EXPECT_EQ(std::pair(read("song.mid"), entries()), std::pair(song, Lines{"again.mid", "song.mid", "via"}));

    std::filesystem::create_symlink(write("target.txt", {'o', 'l', 'd'}), path("link.txt"));
    run({"--out", path("link.txt"), song_});
    EXPECT_TRUE(std::filesystem::is_symlink(path("link.txt")));
    EXPECT_EQ(readLines("target.txt").size(), 17u + 5u + 48u);
}

// A generated song is written as built and played as written (the songs' content is the generators' tests').
// The generators share one way from source to song; the seed's song is the window's first random song.
TEST_F(RenderCommandTest, WritesTheGeneratedSongAsBuiltAndPlaysIt) {
    PseudoRandom fresh;
    const Lines lines = run({"--song-out", path("made.mid"), "--from-seed", "2147483647"});
    EXPECT_EQ(read("made.mid"), buildRandomSong(4294967295u, fresh).image) << "bit 31 makes no other song";
    EXPECT_EQ(run({path("made.mid")}), lines) << "replaying the written song sends the same";
}

// Each line goes in before the song's tick at or after its time, through the effect (two flats lower E), with
// or without a song; the song's end silences the keyboard too.
TEST_F(RenderCommandTest, MixesTheInputIntoASong) {
    const std::string song =
        write("d4.mid", SmfWriter(0, 480)
                            .track(join({{0x00, 0x90, 62, 100, 0x83, 0x60, 0x80, 62, 0}, endOfTrack()}))
                            .bytes());
    const Lines lines = run({"--effect", "12", "--keysig", "-1", "2", "--input",
                             input("241000\t91 3C 64\n300000\t91 40 64\n495000\t91 3E 64\n600000\t81 3E 00\n"
                                   "2000000\t81 3C 00\n"),
                             song});
    ASSERT_EQ(exitCode, 0) << errors;
    ASSERT_EQ(lines.size(), 17u + 5u + 48u) << "the note-offs after the stop send nothing";
    EXPECT_EQ(Lines(lines.begin() + 17, lines.begin() + 22),
              (Lines{"0 90 3E 64", "241 91 3C 64", "300 91 3F 64", "495 91 3E 64", "500 80 3E 00"}));
    EXPECT_EQ(lines.back(), "510 BF 7B 00");

    const Lines alone =
        run({"--effect", "12", "--keysig", "-1", "2", "--input", input("241000\t91 40 64\n")});
    ASSERT_EQ(alone.size(), 1u + 48u) << "without a song, the input's end silences the device as a stop";
    EXPECT_EQ(alone.front() + ", " + alone.back(), "241 91 3F 64, 241 BF 7B 00") << "through the effect too";
}

// The words as sung, headers apart; the saved song keeps them where they were, so it prints them the same,
// and its other text events too.
TEST_F(RenderCommandTest, PrintsTheWordsAsSungAndTheSavedSongKeepsThem) {
    SmfTrack track;
    track.shortMessage(0, 0x90, 60, 100);
    const std::pair<uint32_t, std::string> texts[] = {
        {0, "\x03Name"}, {0, "\x01@TSong"}, {0, "\x01\\Hel"}, {480, "\x01lo"}, {480, "\x01/world"}};
    for (const auto& [delta, text] : texts) {
        const std::string meta = "\xFF" + text;
        track.meta(delta, reinterpret_cast<const uint8_t*>(meta.data()), meta.size());
    }
    track.raw(480, {0xFF, 0x01, 0x00}).raw(0, {0xF0, 0x00});  // an empty word, and an empty SysEx
    const Bytes song = SmfWriter(0, 480).track(track.shortMessage(0, 0x80, 60, 0).endOfTrack()).bytes();
    const Lines words = run({"--lyrics", write("words.kar", song)});
    EXPECT_EQ(words, (Lines{"0 H @TSong", "0 L \\Hel", "500 L lo", "1000 L /world", "1500 L "}));
    VirtualPlayer<RecordingMidiOut> window;
    window.engine.loadSong(song);
    const Bytes saved = playedSongAsSmf(window.engine);
    EXPECT_EQ(saved[18] << 24 | saved[19] << 16 | saved[20] << 8 | saved[21], int(saved.size()) - 22);
    EXPECT_EQ(run({"--lyrics", write("saved.mid", saved)}), words);
    for (const Bytes& kept : {Bytes{0xFF, 0x03, 4, 'N', 'a', 'm', 'e'}, Bytes{0xF0, 0x00}})
        EXPECT_NE(std::search(saved.begin(), saved.end(), kept.begin(), kept.end()), saved.end());
}

// The song's words: which events are words, how they are laid out in lines, in which encoding they are read,
// and which line the sequencer's reports point at, at a jump too.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "playback/LyricText.h"
#include "playback/SilentMidiOut.h"
#include "playback/SmfWriter.h"
#include "tests/support/VirtualPlayer.h"

namespace {
// One meta event of the given type at delta ticks, its data the bytes of text.
std::vector<uint8_t> meta(uint32_t delta, uint8_t type, const std::string& text) {
    return join({varLen(delta), {0xFF, type}, varLen(uint32_t(text.size())), {text.begin(), text.end()}});
}
std::vector<uint8_t> text(const std::string& t, uint32_t delta = 0) {
    return meta(delta, 0x01, t);
}
std::vector<uint8_t> lyric(const std::string& t, uint32_t delta = 0) {
    return meta(delta, 0x05, t);
}

// The sheet's title, then its lines, a verse's first line marked with "\": "Title: line; \verse".
std::string read(std::vector<std::vector<uint8_t>> tracks) {
    SmfWriter writer(1, 480);
    for (auto& track : tracks) writer.track(join({track, endOfTrack()}));
    SongBuffer song;
    song.assign(writer.bytes());
    song.readHeader();
    const LyricSheet sheet = LyricSheet::read(song);
    std::string read = sheet.title() + ":";
    for (const LyricSheet::Line& line : sheet.lines())
        read += (&line == &sheet.lines().front() ? " " : "; ") + std::string(line.startsVerse ? "\\" : "") +
                line.text;
    return read;
}
}  // namespace

TEST(LyricSheet, ReadsKaraokeHeadersLinesAndVersesLyricEventsFirstAndEachEncoding) {
    const std::pair<std::vector<std::vector<uint8_t>>, std::string> cases[] = {
        // Karaoke: headers are no words; "/" a new line, "\" a new verse; a word in several events.
        {{join({text("@KMIDI KARAOKE FILE"), text("@TSong"), text("@LENGL"), text("\\Hel"), text("lo", 10),
                text(" you", 10), text("\\Sec", 10), text("ond/", 10), text("\\Verse", 10)})},
         "Song: Hello you; \\Second; \\Verse"},
        // Lyric events rule out text events; the title is then the first track's name. Shift-JIS by default
        // (its lead bytes at the edges of their ranges), line ends as breaks; tracks sing together in the
        // order of their times.
        {{join({meta(0, 0x03, "\x89\xcc"), text("@Tno"), lyric("\x82\xa4", 0),
                lyric("\r\x82\xc8\xa1\xdf", 20)}),
          join({text("ignored"), lyric("\x82\xbd\x81\x9a\x9f\xfc\xe0\x40\xfc\x4b", 10)})},
         "歌: うた★滌漾黑; な｡ﾟ"},
        // UTF-8 where it is not Shift-JIS as well, or starts with its mark; otherwise Shift-JIS. A word ends
        // where its event does (the delta after the first is 81 00).
        {{join({lyric("\xe3\x81\x86"), lyric("\xe3\x81\x9f", 128)})}, ": うた"},
        {{lyric("\xe3\x81\x86\xc3")}, ": 縺?ﾃ"},  // a character cut short is no UTF-8
        {{lyric("\xe3\x81\x86\xff")}, ": 縺??"},  // nor a byte that starts none
        {{lyric("\xc3\x84\x61")}, ": Äa"},        // UTF-8 whose bytes pair into no Shift-JIS character
        {{join({lyric("\xef\xbb\xbf"), lyric("\xe3\x81\x82\xe3\x81\x84")})}, ": あい"},
        // UTF-8's edges: the first and last two-byte forms, the first three-byte form and the last lead of
        // three, four bytes from U+10000 to U+10FFFF, a surrogate, beyond U+10FFFF, an overlong "/", a third
        // byte that does not continue.
        {{lyric("\xef\xbb\xbf\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbc\xa1\xf0\x90\x80\x80\xf0\x9f\x8e\xb5\xf4\x8f"
                "\xbf\xbf\xed\xa0\x80\xf4\x90\x80\x80\xf5\x80\x80\x80\xe0\x80\xaf\xe3\x81"
                "A")},
         ": \u0080\u07FF\u0800Ａ\U00010000🎵\U0010FFFF????????????????A"},
        {{join({lyric("\xe3\x81\x82\xe3\x81\x84")})}, ": 縺ゅ＞"},
        // Bytes that are no character show as "?", a lead byte cut off by the event's end too (octal escapes,
        // as a hexadecimal one would take the "b").
        {{join({lyric("a\200b\202"), lyric("\x01\x82")})}, ": a?b???"},
        {{join({text("@Tonly headers"), meta(0, 0x02, "(c)")})}, "only headers:"},
        // Words after a note-off of the first channel; a later track's name is no title.
        {{join({{0x00, 0x80, 60, 0x40}, lyric("a", 128)}), meta(0, 0x03, "Piano")}, ": a"},
    };
    for (const auto& [tracks, expected] : cases) EXPECT_EQ(read(tracks), expected);
    const uint8_t cut[] = {'A', 0xE3, 0x81, 0x82};  // a text of two bytes, a character cut at its end
    EXPECT_EQ(lyricAsUtf8({cut, 2}, LyricEncoding::utf8), "A?");
}

TEST(LyricSheet, ReportsEachWordAsItIsPlayedAndALineOfTheMomentAfterAJump) {
    VirtualPlayer<SilentMidiOut> rig;
    // "one" at 0 s, " two" 0.5, "/", "three" and "" 0.9, " four" 1.5, "/five/", "six" and "/" 2, one cut off
    // at 2.5; a break after a word leaves the word where it was sung.
    const std::vector<uint8_t> cutOff = {0x83, 0x60, 0xFF, 0x05, 0x05, 'x'};  // the file ends inside it
    rig.play(SmfWriter(0, 480)
                 .track(join({lyric("one"), lyric(" two", 480), lyric("/", 384), lyric("three"), lyric(""),
                              lyric(" four", 576), lyric("/five/", 480), lyric("six"), lyric("/"), cutOff}))
                 .bytes());
    const LyricSheet& sheet = rig.player.lyrics();
    std::string heard;
    for (int tick = 0; tick < 300; ++tick) {
        rig.timer.tick();
        for (int32_t at; (at = rig.sequencer.lyrics().take()) != LyricRing::none;) {
            const LyricSheet::Entry* word = sheet.entryAt(at);  // with its line and how much of it is sung
            ASSERT_NE(word, nullptr) << "reported, but not on the sheet: " << at;
            heard += word->text + "=" + std::to_string(word->line) + ":" + std::to_string(word->sungTo) + ",";
        }
    }
    EXPECT_EQ(heard, "one=0:3, two=0:7,/=1:0,three=1:5,=1:5, four=1:10,/five/=2:4,six=3:3,/=3:3,");
    rig.player.stopPlayback(Player::userStop);
    rig.player.startPlayback();
    ASSERT_TRUE(rig.player.jumpTo(1));  // the lyrics window's model shows where it went
    EXPECT_EQ(rig.sequencer.lyrics().take(), LyricRing::none);  // what the jump passed over is not reported
    for (int tick = 0; tick < 60; ++tick) rig.timer.tick();
    EXPECT_NE(rig.sequencer.lyrics().take(), LyricRing::none) << "what comes after it is";
}

TEST(CrossThreadLyricRing, HandsEveryPositionOverInOrder) {
    LyricRing ring;
    constexpr int32_t count = 20000;  // the ring wraps many times
    std::thread timer([&ring] {
        for (int32_t at = 0; at < count;)
            if (ring.push(at)) ++at;
    });
    int32_t expected = 0, outOfOrder = 0;
    while (expected < count) {
        const int32_t at = ring.take();
        if (at != LyricRing::none) outOfOrder += at != expected++;
    }
    timer.join();
    EXPECT_EQ(outOfOrder, 0);
}

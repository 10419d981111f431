// The tone dialog's rules on a playing channel: what each selection sends, what OK locks and what Cancel
// puts back, including the song's own program changes and a song load happening while it is open.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "playback/RecordingMidiOut.h"
#include "tones/ToneDialogModel.h"
#include "tones/ToneTable.h"

namespace {
class ToneDialogModelTest : public testing::Test {
  protected:
    // The song has set the channel's tone and sent it, as the filter records it.
    void play(int channel, uint8_t program, uint8_t bank) {
        tones.takeSongBank(channel, bank);
        tones.songToneSent(channel);
        tones.takeSongProgram(channel, program);
        tones.songToneSent(channel);
    }
    ToneDialogModel open(int channel, SoundModule module = SoundModule::sc88, bool gmMode = false) {
        return ToneDialogModel(tones, out, channel, module, gmMode);
    }
    // A fresh song that set the channel's tone, the dialog opened on it with |rows| selected in turn, and
    // nothing yet sent since.
    ToneDialogModel openAfterSelecting(int channel, SoundModule module, uint8_t program, uint8_t bank,
                                       const std::vector<int>& rows) {
        tones.reset();
        play(channel, program, bank);
        ToneDialogModel dialog = open(channel, module);
        for (int row : rows) dialog.select(row);
        out.clear();
        return dialog;
    }
    std::vector<std::string> sent() const {
        std::vector<std::string> lines;
        for (const auto& message : out.messages())
            lines.push_back(RecordingMidiOut::formatLine(message).substr(2));
        return lines;
    }
    std::vector<std::string> toneMessages(int channel, int program, int bank) const {
        char lines[3][16];
        std::snprintf(lines[0], 16, "B%X 00 %02X", channel, bank);
        std::snprintf(lines[1], 16, "B%X 20 00", channel);
        std::snprintf(lines[2], 16, "C%X %02X 00", channel, program);
        return {lines[0], lines[1], lines[2]};
    }
    void expectLocked(int channel, int program, int bank) const {
        EXPECT_TRUE(tones.at(channel).fixed);
        EXPECT_EQ(tones.at(channel).program, program);
        EXPECT_EQ(tones.at(channel).bank, bank);
    }

    ChannelTones tones;
    RecordingMidiOut out;
};

using Strings = std::vector<std::string>;

TEST_F(ToneDialogModelTest, OpensOnTheChannelsToneOrDrumSet) {
    struct Case {
        int channel;
        SoundModule module;
        uint8_t program, bank;
        int rows, selection;
        const char* label;
    };
    const Case cases[] = {
        {0, SoundModule::sc88, 4, 25, 418, 15, "音色名：Hard Rhodes"},
        {15, SoundModule::sc55, 0, 8, 226, 1, "音色名：Piano 1w"},
        {3, SoundModule::sc88, 5, 24, 418, 20, "音色名：Hard\tFM EP"},
        {3, SoundModule::sc88, 5, 3, 418, 0, "音色名：*Piano 1"},  // a pair the list lacks
        {9, SoundModule::sc88, 25, 0, 14, 5, "ドラムセット：TR808/909"},
        {9, SoundModule::sc55, 1, 0, 8, 0, "ドラムセット：STANDARD"},
    };
    for (const auto& c : cases) {
        play(c.channel, c.program, c.bank);
        const ToneDialogModel dialog = open(c.channel, c.module);
        EXPECT_EQ(dialog.isDrum(), c.channel == 9);
        EXPECT_EQ(dialog.rowCount(), c.rows) << c.label;
        EXPECT_EQ(dialog.initialSelection(), c.selection) << c.label;
        EXPECT_EQ(dialog.currentSelection(), c.selection) << c.label;
        EXPECT_EQ(dialog.label(), c.label);
    }
    EXPECT_TRUE(out.messages().empty());
}

TEST_F(ToneDialogModelTest, EverySelectionIsHeardAtOnceAndRowsOutsideTheListAreIgnored) {
    play(2, 0, 0);
    ToneDialogModel melodic = open(2);
    for (int row : {-1, 418, 100000}) EXPECT_EQ(melodic.select(row), ToneDialogModel::Selection::ignored);
    EXPECT_EQ(melodic.currentSelection(), 0);
    EXPECT_TRUE(out.messages().empty());
    EXPECT_EQ(melodic.select(toneIndex(SoundModule::sc88, 4, 25)), ToneDialogModel::Selection::heard);
    EXPECT_EQ(melodic.select(toneIndex(SoundModule::sc88, 127, 3)), ToneDialogModel::Selection::heard);
    Strings expected = toneMessages(2, 4, 25);
    for (const auto& line : toneMessages(2, 127, 3)) expected.push_back(line);
    EXPECT_EQ(sent(), expected);
    EXPECT_FALSE(tones.at(2).fixed) << "a preview locks nothing";
    EXPECT_EQ(tones.at(2).program, 0);

    out.clear();
    ToneDialogModel drums = open(9, SoundModule::sc55);
    drums.select(4);  // TR808
    EXPECT_EQ(sent(), Strings{"C9 19 00"});
}

TEST_F(ToneDialogModelTest, GmModeRefusesVariationTonesAndOkKeepsTheAcceptedOne) {
    play(1, 0, 0);
    ToneDialogModel dialog = open(1, SoundModule::sc88, true);
    const int capital = toneIndex(SoundModule::sc88, 4, 0);
    ASSERT_EQ(dialog.select(capital), ToneDialogModel::Selection::heard);
    out.clear();
    EXPECT_EQ(dialog.select(toneIndex(SoundModule::sc88, 4, 8)), ToneDialogModel::Selection::refused);
    EXPECT_EQ(dialog.currentSelection(), capital);
    EXPECT_TRUE(out.messages().empty());
    dialog.ok();
    expectLocked(1, 4, 0);
    EXPECT_TRUE(out.messages().empty());

    out.clear();
    ToneDialogModel drums = open(9, SoundModule::sc88, true);
    EXPECT_EQ(drums.select(1), ToneDialogModel::Selection::heard) << "drum sets have no banks";
}

// OK locks the selection, or with none the tone that plays, without sending it again. A tone the list
// lacks opens on row 0 but must not become a piano; row 0 chosen by the user is a piano.
TEST_F(ToneDialogModelTest, OkLocksTheSelectionOrTheToneThatPlaysWithoutSendingItAgain) {
    const struct {
        int channel;
        SoundModule module;
        uint8_t program, bank;
        std::vector<int> rows;
        int lockedProgram, lockedBank;
    } cases[] = {
        {6, SoundModule::sc55, 4, 25, {}, 4, 25},
        {6, SoundModule::sc55, 5, 3, {}, 5, 3},
        {9, SoundModule::sc55, 1, 0, {}, 1, 0},  // not an SC-55 drum set
        {6, SoundModule::sc88, 5, 3, {2, 0}, 0, 0},
        {4, SoundModule::sc88, 0, 0, {toneIndex(SoundModule::sc88, 25, 16)}, 25, 16},
        {9, SoundModule::sc88, 0, 0, {drumSetIndex(SoundModule::sc88, 48)}, 48, 0},
    };
    for (const auto& c : cases) {
        ToneDialogModel dialog = openAfterSelecting(c.channel, c.module, c.program, c.bank, c.rows);
        dialog.ok();
        SCOPED_TRACE(c.program);
        expectLocked(c.channel, c.lockedProgram, c.lockedBank);
        EXPECT_TRUE(out.messages().empty());
    }
}

// The song's program change after the preview, another tone or the same one again: the device plays it
// instead of the preview, so OK sends the choice again.
TEST_F(ToneDialogModelTest, OkSendsTheChoiceAgainWhenTheSongSentAToneAfterThePreview) {
    for (uint8_t programBefore : {0, 41}) {
        tones.reset();
        play(5, programBefore, 0);
        ToneDialogModel dialog = open(5);
        dialog.select(toneIndex(SoundModule::sc88, 40, 8));
        play(5, 41, 0);
        out.clear();
        dialog.ok();
        expectLocked(5, 40, 8);
        EXPECT_EQ(sent(), toneMessages(5, 40, 8)) << int(programBefore);
    }
}

// Cancel sends the channel's own tone back once, and only when a selection replaced it, a tone the list
// lacks included; it locks nothing.
TEST_F(ToneDialogModelTest, CancelPutsBackTheChannelsToneOnceWhenASelectionReplacedIt) {
    const struct {
        int channel;
        SoundModule module;
        uint8_t program, bank;
        std::vector<int> rows;
        Strings sentBack;
    } cases[] = {
        {3, SoundModule::sc88, 48, 0, {}, {}},
        {3, SoundModule::sc88, 48, 0, {5, toneIndex(SoundModule::sc88, 48, 0)}, {}},
        {3, SoundModule::sc88, 48, 0, {1, 2, 3}, toneMessages(3, 48, 0)},
        {7, SoundModule::sc88, 5, 3, {0}, toneMessages(7, 5, 3)},  // row 0 stood for the tone it cannot name
        {9, SoundModule::sc55, 1, 0, {1}, {"C9 01 00"}},
    };
    for (const auto& c : cases) {
        ToneDialogModel dialog = openAfterSelecting(c.channel, c.module, c.program, c.bank, c.rows);
        dialog.cancel();
        dialog.cancel();
        dialog.ok();
        EXPECT_EQ(sent(), c.sentBack) << c.channel << " " << c.rows.size();
        EXPECT_FALSE(tones.at(c.channel).fixed);
        EXPECT_EQ(tones.at(c.channel).program, c.program);
    }
}

TEST_F(ToneDialogModelTest, ASongLoadedUnderTheDialogIsLeftAlone) {
    play(0, 24, 0);
    for (bool pressOk : {true, false}) {
        ToneDialogModel dialog = open(0);
        dialog.select(toneIndex(SoundModule::sc88, 30, 8));
        tones.reset();  // a song list advance loads the next song
        out.clear();
        EXPECT_EQ(dialog.select(3), ToneDialogModel::Selection::ignored);
        pressOk ? dialog.ok() : dialog.cancel();
        EXPECT_TRUE(out.messages().empty()) << pressOk;
        EXPECT_FALSE(tones.at(0).fixed) << pressOk;
        EXPECT_EQ(tones.at(0).program, 0) << pressOk;
        play(0, 24, 0);
    }
}
}  // namespace

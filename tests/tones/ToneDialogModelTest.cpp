// The tone dialog's rules on a playing channel: what each selection sends, what OK locks and what Cancel
// puts back, including the song's own program changes and a song load happening while it is open.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "playback/RecordingMidiOut.h"
#include "tests/support/Steps.h"
#include "tones/ToneDialogModel.h"
#include "tones/ToneTable.h"

namespace {

class ToneDialogModelTest : public testing::Test {
  protected:
    // The song has set the channel's tone and sent it, as the filter records it.
    void play(int channel, int program, int bank) {
        tones.takeSongBank(channel, uint8_t(bank));
        tones.songToneSent(channel);
        tones.takeSongProgram(channel, uint8_t(program));
        tones.songToneSent(channel);
    }

    // Opens the dialog on a fresh song that set the channel's tone (the first line, "open CHANNEL MODULE
    // PROGRAM/BANK", "gm" added after GM System On), plays the actions that follow on it and returns what was
    // sent, each selection that was not heard, and the channel's tone at the end. Actions: "select ROW",
    // "tone PROGRAM BANK" (its row), "drums PROGRAM", "song PROGRAM BANK" (the song sets and sends a tone),
    // "load" (a song list advance loads the next song), "ok", "cancel", "|", which forgets what was recorded
    // so far, and "label?", which records the label, the length of the list and the row the dialog opened on.
    Lines transcript(const Lines& script) {
        const std::string& opening = script.front();
        int channel = 0, program = 0, bank = 0;
        char moduleName[8] = "";
        std::sscanf(opening.c_str(), "open %d %7s %d/%d", &channel, moduleName, &program, &bank);
        const SoundModule module = std::string(moduleName) == "sc55" ? SoundModule::sc55 : SoundModule::sc88;
        tones.reset();
        play(channel, program, bank);
        ToneDialogModel dialog(tones, out, channel, module, opening.find(" gm") != std::string::npos);
        Lines lines;
        for (const std::string& action : Lines(script.begin() + 1, script.end())) {
            const size_t before = out.messages().size();
            int a = 0, b = 0;
            std::optional<int> row;
            if (std::sscanf(action.c_str(), "select %d", &a) == 1) row = a;
            if (std::sscanf(action.c_str(), "tone %d %d", &a, &b) == 2) row = toneIndex(module, a, b);
            if (std::sscanf(action.c_str(), "drums %d", &a) == 1) row = drumSetIndex(module, a);
            if (std::sscanf(action.c_str(), "song %d %d", &a, &b) == 2) play(channel, a, b);
            if (action == "load") tones.reset();
            if (action == "ok") dialog.ok();
            if (action == "cancel") dialog.cancel();
            if (action == "|") lines.clear();
            if (action == "label?")
                lines.push_back(dialog.label() + " " + std::to_string(dialog.rowCount()) + " at " +
                                std::to_string(dialog.initialSelection()) +
                                (dialog.isDrum() ? " drums" : ""));
            const ToneDialogModel::Selection heard =
                row ? dialog.select(*row) : ToneDialogModel::Selection::heard;
            if (heard != ToneDialogModel::Selection::heard)
                lines.push_back(heard == ToneDialogModel::Selection::refused ? "refused" : "ignored");
            for (size_t i = before; i < out.messages().size(); ++i)
                lines.push_back(RecordingMidiOut::formatLine(out.messages()[i]).substr(2));
        }
        const ChannelTone tone = tones.at(channel);
        lines.push_back((tone.fixed ? "locked " : "unlocked ") + std::to_string(tone.program) + "/" +
                        std::to_string(tone.bank));
        return lines;
    }

    ChannelTones tones;
    RecordingMidiOut out;
};

// The dialog opens on the channel's tone or drum set, on row 0 for one the list lacks. Every selection is
// heard at once and locks nothing. OK locks the selection, or with none the tone that
// plays, and sends it again only when the song's own tone replaced the preview on the device; a tone the
// list lacks opens on row 0 but must not become a piano, while row 0 chosen by the user is one. Cancel
// puts the channel's own tone back once, only when a selection replaced it. After GM System On variation
// tones are refused. A song loaded under the dialog is left alone.
TEST_F(ToneDialogModelTest, SelectionsOkAndCancelSendAndLockAsTheUserChose) {
    const struct {
        const char *why, *actions, *transcript;
    } cases[] = {
        {"tone", "open 0 sc88 4/25; label?", "音色名：Hard Rhodes 418 at 15; unlocked 4/25"},
        {"unlisted", "open 3 sc88 5/3; label?", "音色名：*Piano 1 418 at 0; unlocked 5/3"},
        {"set", "open 9 sc88 25/0; label?", "ドラムセット：TR808/909 14 at 5 drums; unlocked 25/0"},
        {"previews", "open 2 sc88 0/0; select -1; select 418; tone 4 25; tone 127 3",
         "ignored; ignored; B2 00 19; B2 20 00; C2 04 00; B2 00 03; B2 20 00; C2 7F 00; unlocked 0/0"},
        {"a drum set preview", "open 9 sc55 0/0; select 4", "C9 19 00; unlocked 0/0"},
        {"GM mode", "open 1 sc88 0/0 gm; tone 4 0; |; tone 4 8; ok", "refused; locked 4/0"},
        {"OK on a tone the list lacks", "open 6 sc55 5/3; ok", "locked 5/3"},
        {"OK on row 0 chosen", "open 6 sc88 5/3; select 2; select 0; |; ok", "locked 0/0"},
        {"OK on a selection", "open 4 sc88 0/0; tone 25 16; |; ok", "locked 25/16"},
        {"OK after the song's other tone", "open 5 sc88 0/0; tone 40 8; song 41 0; |; ok",
         "B5 00 08; B5 20 00; C5 28 00; locked 40/8"},
        {"cancel with no selection", "open 3 sc88 5/3; cancel; cancel; ok", "unlocked 5/3"},
        {"cancel after selections", "open 3 sc88 48/0; select 1; select 0; |; cancel; cancel; ok",
         "B3 00 00; B3 20 00; C3 30 00; unlocked 48/0"},
        {"cancel after another bank of the tone", "open 3 sc88 48/0; tone 48 8; |; cancel; ok",
         "B3 00 00; B3 20 00; C3 30 00; unlocked 48/0"},
        {"cancel after row 0 stood for a tone it cannot name", "open 7 sc88 5/3; select 0; |; cancel; ok",
         "B7 00 03; B7 20 00; C7 05 00; unlocked 5/3"},
        {"OK after a song load", "open 0 sc88 24/0; tone 30 8; load; |; select 3; ok",
         "ignored; unlocked 0/0"},
    };
    for (const auto& c : cases) EXPECT_EQ(transcript(steps(c.actions)), steps(c.transcript)) << c.why;
}
}  // namespace

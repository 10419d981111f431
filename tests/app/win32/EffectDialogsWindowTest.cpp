// The effect menu on the real main window under Wine: each dialog opened by its menu command, worked by
// messages, its "試行" played through a recording device and a timer the test ticks, and the menu's mark
// and the window's close command after "終了". The rules behind the dialogs' buttons, bars and read-outs
// are checked natively; here each kind of control is shown to reach them.
#include <gtest/gtest.h>

#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "resources/DialogIds.h"
#include "tests/app/win32/TestWindow.h"

namespace {
class EffectDialogsWindowTest : public StartedWindowTest {
  protected:
    void SetUp() override {
        StartedWindowTest::SetUp();
        // A C held for twenty quarters.
        openSong(SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 100).endOfTrack(9600)).bytes());
    }

    void clickButton(HWND dialog, int id) {
        SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
        pump();
    }
    bool closeCommandGrey() {
        return GetMenuState(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED;
    }
    // Opens an effect dialog from its menu item: it shows, and the close command is grey meanwhile.
    HWND openDialog(int id) {
        command(id);
        HWND dialog = window->effectDialog();
        EXPECT_TRUE(dialog && IsWindowVisible(dialog) && closeCommandGrey());
        return dialog;
    }
    // "試行": the first note-on the device is sent once playback runs, as "90 3C 64".
    std::string triedNoteOn(HWND dialog, int tryButton) {
        clickButton(dialog, tryButton);
        const size_t before = out.messages().size();
        ticks(10);
        for (const std::string& line : messageLines(out.messages(), before))
            if (line.find(" 90 ") != std::string::npos) return line.substr(line.find("90 "));
        return "";
    }
    // After "終了": the dialog is gone, its effect marked in the menu, and the close command back.
    void expectClosedInUse(HWND dialog, int menuId) {
        EXPECT_TRUE(!IsWindow(dialog) && menuState(2, menuId, MF_CHECKED) && !closeCommandGrey());
    }
};

HWND pitchBar(HWND dialog, int row) {
    return GetDlgItem(dialog, row < 10 ? IDC_PITCH_BAR_FIRST + row : IDC_PITCH_BAR_ELEVENTH + row - 10);
}
}  // namespace

TEST_F(EffectDialogsWindowTest, KeySignatureTriesItsChoiceAndItsEndMarksTheEffectInUse) {
    HWND dialog = openDialog(IDM_EFFECT_KEY_SIGNATURE);
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU);  // no close box: only "終了" closes it
    clickButton(dialog, IDC_KEY_SHARPS);
    clickButton(dialog, IDC_KEY_COUNT_FIRST + 1);
    EXPECT_EQ(itemText(dialog, IDC_KEY_LABEL), "ファ、ド");
    EXPECT_EQ(triedNoteOn(dialog, IDC_KEY_TRY), "90 3D 64");  // C sounds as C sharp
    EXPECT_TRUE(menuState(2, IDM_EFFECT_NONE, MF_CHECKED));   // the mark waits for the closing
    clickButton(dialog, IDOK);
    expectClosedInUse(dialog, IDM_EFFECT_KEY_SIGNATURE);
}

TEST_F(EffectDialogsWindowTest, PitchMapTriesTheDrawingItsButtonsReachTheRowsAndEscapeClosesIt) {
    HWND dialog = openDialog(IDM_EFFECT_PITCH_MAP);
    // Each bar gets its range before its position, or the thumbs below 0 would not stand on the diagonal.
    for (int row : {0, 11}) {
        int minimum = 0, maximum = 0;
        GetScrollRange(pitchBar(dialog, row), SB_CTL, &minimum, &maximum);
        EXPECT_EQ(std::vector<int>({minimum, maximum, GetScrollPos(pitchBar(dialog, row), SB_CTL)}),
                  std::vector<int>({-12, 12, row - 5}));
    }
    for (int step = 0; step < 2; ++step)
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), LPARAM(pitchBar(dialog, 0)));
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "レ");
    EXPECT_EQ(triedNoteOn(dialog, IDC_PITCH_TRY), "90 3E 64");  // C sounds as D
    // The row buttons reach the drawing by their ids' order; what each does is the drawing's.
    clickButton(dialog, IDC_PITCH_RESET);
    clickButton(dialog, IDC_PITCH_UP);
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "ド♯");
    // Esc on one of the dialog's buttons, through the program's message loop.
    PostMessageW(GetDlgItem(dialog, IDC_PITCH_RESET), WM_KEYDOWN, VK_ESCAPE, 0);
    pump();
    expectClosedInUse(dialog, IDM_EFFECT_PITCH_MAP);
}

TEST_F(EffectDialogsWindowTest, EffectTimeAsksForTheStartAndTheEndThroughItsBar) {
    command(IDM_EFFECT_JAPANESE);
    std::vector<std::string> prompts;
    auto setTo = [&](int seconds) {
        return [&prompts, seconds](HWND dialog) {
            prompts.push_back(itemText(dialog, IDC_TIME_PROMPT));
            SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, seconds),
                         LPARAM(GetDlgItem(dialog, IDC_TIME_BAR)));
            prompts.push_back(itemText(dialog, IDC_TIME_READOUT));
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        };
    };
    runWithDialogScripts({setTo(10), setTo(11)}, [&] { command(IDM_EFFECT_TIME); });
    EXPECT_EQ(prompts, (std::vector<std::string>{"開始時間を設定して下さい", "00:10 秒まで",
                                                 "終了時間を設定して下さい", "00:11 秒から"}));
    const EffectWindow& chosen = window->model().engine().effect().window;
    EXPECT_EQ(std::pair(chosen.start, chosen.end), std::pair(10, 11));
}

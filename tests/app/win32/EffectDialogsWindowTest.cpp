// The effect menu on the real main window under Wine: each dialog opened by its menu command, worked by
// messages, its "試行" played through a recording device and a timer the test ticks, and the menu's mark
// and the window's close command after "終了". The rules behind them are checked natively.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "effects/win32/EffectDialogIds.h"
#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestWindow.h"
#include "tests/effects/win32/TimeDialogSearch.h"

namespace {
std::string itemText(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return narrow(text);
}

class EffectDialogsWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(start());
        // A C held a quarter, then silence for nineteen quarters.
        openSong(SmfWriter(1, 480)
                     .track(join({{0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0}, endOfTrack(9600)}))
                     .bytes());
    }

    EffectSettings& effect() { return window->model().engine().effect(); }
    void clickButton(HWND dialog, int id) {
        SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
        pump();
    }
    bool menuChecked(int id) { return menuState(2, id, MF_CHECKED); }
    bool closeCommandGrey() {
        return GetMenuState(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED;
    }
    bool centredOverWindow(HWND dialog) {
        RECT outer, inner;
        GetWindowRect(hwnd(), &outer);
        GetWindowRect(dialog, &inner);
        return std::abs((outer.left + outer.right) - (inner.left + inner.right)) <= 2 &&
               std::abs((outer.top + outer.bottom) - (inner.top + inner.bottom)) <= 2;
    }
    // Opens an effect dialog from its menu item: it shows centred over the window, the close command is
    // grey, and the face's play button does nothing while it is open.
    HWND openDialog(int id) {
        command(id);
        HWND dialog = window->effectDialog();
        EXPECT_TRUE(dialog && IsWindowVisible(dialog));
        EXPECT_TRUE(centredOverWindow(dialog));
        EXPECT_TRUE(closeCommandGrey());
        EXPECT_TRUE(window->model().face().effectDialogOpen);
        click(80, 460);
        EXPECT_FALSE(timer.running());
        return dialog;
    }
    // The first note-on the device is sent once playback runs, as "90 3C 64".
    std::string firstNoteOn() {
        const size_t before = out.messages().size();
        ticks(10);
        for (size_t i = before; i < out.messages().size(); ++i) {
            const std::string line = RecordingMidiOut::formatLine(out.messages()[i]);
            if (line.find(" 90 ") != std::string::npos) return line.substr(line.find("90 "));
        }
        return "";
    }
};
}  // namespace

TEST_F(EffectDialogsWindowTest, KeySignatureTriesPlayTheSongAgainAndItsEndMarksTheEffectInUse) {
    command(IDM_EFFECT_FOLK);
    HWND dialog = openDialog(IDM_EFFECT_KEY_SIGNATURE);
    clickButton(dialog, IDC_KEY_SHARPS);
    clickButton(dialog, IDC_KEY_COUNT_FIRST + 1);
    EXPECT_EQ(itemText(dialog, IDC_KEY_LABEL), "ファ、ド");

    clickButton(dialog, IDC_KEY_TRY);
    EXPECT_EQ(effect().type, EffectType::keySignature);
    EXPECT_EQ(effect().keySignature.sign, 1);
    EXPECT_EQ(effect().keySignature.count, 2);
    EXPECT_TRUE(timer.running());
    EXPECT_EQ(firstNoteOn(), "90 3D 64");       // C sounds as C sharp
    EXPECT_TRUE(menuChecked(IDM_EFFECT_FOLK));  // the mark waits for the closing

    clickButton(dialog, IDC_KEY_FLATS);
    clickButton(dialog, IDC_KEY_TRY);  // a try during play stops and starts from the beginning
    EXPECT_EQ(timer.starts, 2);
    EXPECT_EQ(firstNoteOn(), "90 3C 64");  // two flats lower B and E: C stays
    clickButton(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(window->effectDialog(), nullptr);
    EXPECT_TRUE(menuChecked(IDM_EFFECT_KEY_SIGNATURE));
    EXPECT_FALSE(menuChecked(IDM_EFFECT_FOLK));
    EXPECT_FALSE(closeCommandGrey());
    EXPECT_FALSE(window->model().face().effectDialogOpen);
    EXPECT_TRUE(window->messages.empty());
}

TEST_F(EffectDialogsWindowTest, PitchMapTriesTheDrawingAndEscapeClosesAsTheEndButtonDoes) {
    HWND dialog = openDialog(IDM_EFFECT_PITCH_MAP);
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "ド");
    HWND firstBar = GetDlgItem(dialog, IDC_PITCH_BAR_FIRST);
    EXPECT_EQ(GetScrollPos(firstBar, SB_CTL), -5);
    for (int step = 0; step < 2; ++step)
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), LPARAM(firstBar));
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "レ");

    clickButton(dialog, IDC_PITCH_TRY);
    EXPECT_EQ(effect().type, EffectType::customMap);
    EXPECT_EQ(effect().pitchMap.entries[0], 2);
    EXPECT_EQ(effect().pitchMap.entries[1], 0);
    EXPECT_TRUE(timer.running());
    EXPECT_EQ(firstNoteOn(), "90 3E 64");  // C sounds as D
    EXPECT_TRUE(menuChecked(IDM_EFFECT_NONE));

    // Esc on one of the dialog's buttons, through the program's message loop.
    PostMessageW(GetDlgItem(dialog, IDC_PITCH_RESET), WM_KEYDOWN, VK_ESCAPE, 0);
    pump();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(menuChecked(IDM_EFFECT_PITCH_MAP));
    EXPECT_FALSE(closeCommandGrey());
    EXPECT_FALSE(window->model().face().effectDialogOpen);

    command(IDM_EFFECT_PITCH_MAP);  // refused while the song plays
    EXPECT_EQ(window->effectDialog(), nullptr);
    click(30, 465);                             // stop
    dialog = openDialog(IDM_EFFECT_PITCH_MAP);  // from the drawing in use
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "レ");
    EXPECT_EQ(GetScrollPos(GetDlgItem(dialog, IDC_PITCH_BAR_FIRST), SB_CTL), -3);
    clickButton(dialog, IDOK);
    EXPECT_TRUE(menuChecked(IDM_EFFECT_PITCH_MAP));
}

TEST_F(EffectDialogsWindowTest, EffectTimeAsksForAnEffectThenForTheStartAndAnEndAfterIt) {
    command(IDM_EFFECT_TIME);
    EXPECT_EQ(window->messages, std::vector<std::string>{"何か効果を選択してください"});

    command(IDM_EFFECT_JAPANESE);
    auto onTimeDialog = [](const std::string& prompt, std::function<void(HWND)> action) -> DialogStep {
        return [=] {
            HWND dialog = findTimeDialog(true);
            if (!dialog || itemText(dialog, IDC_TIME_PROMPT) != prompt) return false;
            action(dialog);
            return true;
        };
    };
    auto answer = [](HWND dialog, int code, int dragged) {
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(code, uint16_t(dragged)),
                     LPARAM(GetDlgItem(dialog, IDC_TIME_BAR)));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
    std::string refusal;
    std::deque<DialogStep> script = {
        onTimeDialog("開始時間を設定して下さい", [&](HWND d) { answer(d, SB_THUMBTRACK, 10); }),
        onTimeDialog("終了時間を設定して下さい", [&](HWND d) { answer(d, SB_THUMBTRACK, 10); }),
        [&] {
            HWND box = findTimeDialog(false);
            if (!box) return false;
            for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t text[256] = {};
                GetWindowTextW(child, text, 256);
                if (narrow(text).find("終了時間") != std::string::npos) refusal = narrow(text);
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return true;
        },
        onTimeDialog("終了時間を設定して下さい", [&](HWND d) { answer(d, SB_LINERIGHT, 0); })};
    // A script that cannot go on must not leave the test hanging in the dialog.
    const size_t left = runWithDialogSteps(
        std::move(script), 300, [] { return findTimeDialog(true); }, [&] { command(IDM_EFFECT_TIME); });
    EXPECT_EQ(left, 0u) << left << " steps left";
    EXPECT_EQ(refusal, "終了時間は開始時間より後に設定して下さい");
    EXPECT_EQ(effect().window.start, 10);
    EXPECT_EQ(effect().window.end, 11);
}

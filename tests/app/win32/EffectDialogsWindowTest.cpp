// The effect menu on the real main window under Wine: each dialog opened by its menu command, worked by
// messages, its "試行" played through a recording device and a timer the test ticks, and the menu's mark
// and the window's close command after "終了". The rules behind the dialogs' buttons, bars and read-outs
// are checked natively; here each kind of control is shown to reach them.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "effects/win32/EffectDialogIds.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestWindow.h"

namespace {
using Lines = std::vector<std::string>;

// The open dialog of this thread: the effect-time dialog itself (it has the scroll bar) or, without it, a
// message box over it.
HWND findTimeDialog(bool withBar) {
    return findDialog(GetCurrentThreadId(), [withBar](HWND dialog) {
        wchar_t barClass[16] = {};
        GetClassNameW(GetDlgItem(dialog, IDC_TIME_BAR), barClass, 16);
        return (std::wstring(barClass) == L"ScrollBar") == withBar;
    });
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
    // Opens an effect dialog from its menu item: it shows centred over the window and the close command is
    // grey.
    HWND openDialog(int id) {
        command(id);
        HWND dialog = window->effectDialog();
        EXPECT_TRUE(dialog && IsWindowVisible(dialog));
        EXPECT_TRUE(centredOverWindow(dialog));
        EXPECT_TRUE(closeCommandGrey());
        EXPECT_TRUE(window->model().face().effectDialogOpen);
        return dialog;
    }
    // After "終了": the dialog is gone, its effect marked in the menu, and the close command back.
    void expectClosedInUse(HWND dialog, int menuId) {
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_EQ(window->effectDialog(), nullptr);
        EXPECT_TRUE(menuChecked(menuId));
        EXPECT_FALSE(closeCommandGrey());
        EXPECT_FALSE(window->model().face().effectDialogOpen);
    }
    // The first note-on the device is sent once playback runs, as "90 3C 64".
    std::string firstNoteOn() {
        const size_t before = out.messages().size();
        ticks(10);
        for (const std::string& line : sentLines(out, before))
            if (line.find(" 90 ") != std::string::npos) return line.substr(line.find("90 "));
        return "";
    }
};

std::vector<int> checkedKeyButtons(HWND dialog) {
    std::vector<int> checked;
    for (int id = IDC_KEY_COUNT_FIRST; id <= IDC_KEY_FLATS; ++id)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) checked.push_back(id);
    return checked;
}

HWND pitchBar(HWND dialog, int row) {
    return GetDlgItem(dialog, row < 10 ? IDC_PITCH_BAR_FIRST + row : IDC_PITCH_BAR_ELEVENTH + row - 10);
}

// The background of a new-note label as it is painted now.
COLORREF labelBackground(HWND dialog, int row) {
    HWND label = GetDlgItem(dialog, IDC_PITCH_NEW_FIRST + row);
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(label);
    const COLORREF colour = GetPixel(dc, 3, 3);
    ReleaseDC(label, dc);
    return colour;
}
}  // namespace

TEST_F(EffectDialogsWindowTest, KeySignatureTriesPlayTheSongAgainAndItsEndMarksTheEffectInUse) {
    HWND dialog = openDialog(IDM_EFFECT_KEY_SIGNATURE);
    EXPECT_EQ(windowText(dialog), "                  調号の付加");
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU);  // no close box: only "終了" closes it
    clickButton(dialog, IDC_KEY_SHARPS);
    clickButton(dialog, IDC_KEY_COUNT_FIRST + 1);
    EXPECT_EQ(checkedKeyButtons(dialog), (std::vector<int>{IDC_KEY_COUNT_FIRST + 1, IDC_KEY_SHARPS}));
    EXPECT_EQ(itemText(dialog, IDC_KEY_LABEL), "ファ、ド");

    clickButton(dialog, IDC_KEY_TRY);
    EXPECT_EQ(effect().type, EffectType::keySignature);
    EXPECT_EQ(firstNoteOn(), "90 3D 64");       // C sounds as C sharp
    EXPECT_TRUE(menuChecked(IDM_EFFECT_NONE));  // the mark waits for the closing
    clickButton(dialog, IDOK);
    expectClosedInUse(dialog, IDM_EFFECT_KEY_SIGNATURE);
    EXPECT_TRUE(window->messages.empty());
}

TEST_F(EffectDialogsWindowTest, PitchMapTriesTheDrawingItsButtonsReachTheRowsAndEscapeClosesIt) {
    HWND dialog = openDialog(IDM_EFFECT_PITCH_MAP);
    // Each bar gets its range before its position, or the thumbs below 0 would not stand on the diagonal.
    for (int row = 0; row < 12; ++row) {
        int minimum = 0, maximum = 0;
        GetScrollRange(pitchBar(dialog, row), SB_CTL, &minimum, &maximum);
        EXPECT_EQ(std::vector<int>({minimum, maximum, GetScrollPos(pitchBar(dialog, row), SB_CTL)}),
                  std::vector<int>({-12, 12, row - 5}))
            << row;
    }
    const COLORREF plain = labelBackground(dialog, 4);
    for (int step = 0; step < 2; ++step)
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), LPARAM(pitchBar(dialog, 0)));
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "レ");
    EXPECT_EQ(labelBackground(dialog, 0), RGB(0, 255, 255));  // the selected row, in the middle octave
    EXPECT_EQ(labelBackground(dialog, 4), plain);

    clickButton(dialog, IDC_PITCH_TRY);
    EXPECT_EQ(effect().type, EffectType::customMap);
    EXPECT_EQ(firstNoteOn(), "90 3E 64");  // C sounds as D
    // One pass through the buttons that change the rows.
    clickButton(dialog, IDC_PITCH_RESET);
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "ド");
    clickButton(dialog, IDC_PITCH_UP);
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "ド♯");
    clickButton(dialog, IDC_PITCH_RESET);
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), LPARAM(pitchBar(dialog, 0)));
    clickButton(dialog, IDC_PITCH_REST);
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST), "休符");
    clickButton(dialog, IDC_PITCH_REMOVE_SEMITONES);
    EXPECT_EQ(itemText(dialog, IDC_PITCH_NEW_FIRST + 1), "ド");
    // Esc on one of the dialog's buttons, through the program's message loop.
    PostMessageW(GetDlgItem(dialog, IDC_PITCH_RESET), WM_KEYDOWN, VK_ESCAPE, 0);
    pump();
    expectClosedInUse(dialog, IDM_EFFECT_PITCH_MAP);
}

TEST_F(EffectDialogsWindowTest, EffectTimeAsksForTheStartAndTheEndThroughItsBar) {
    command(IDM_EFFECT_JAPANESE);
    Lines readOuts;
    bool centred = false;
    auto onTimeDialog = [&](const std::string& prompt, int code, int dragged) -> DialogStep {
        return [=, &readOuts, &centred] {
            HWND dialog = findTimeDialog(true);
            if (!dialog || itemText(dialog, IDC_TIME_PROMPT) != prompt) return false;
            centred = centredOverWindow(dialog);
            SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(code, uint16_t(dragged)),
                         LPARAM(GetDlgItem(dialog, IDC_TIME_BAR)));
            readOuts.push_back(itemText(dialog, IDC_TIME_READOUT));
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            return true;
        };
    };
    // A script that cannot go on must not leave the test hanging in the dialog.
    EXPECT_EQ(runWithDialogSteps(
                  {onTimeDialog("開始時間を設定して下さい", SB_THUMBTRACK, 10),
                   onTimeDialog("終了時間を設定して下さい", SB_THUMBTRACK, 11)},
                  300, [] { return findTimeDialog(true); }, [&] { command(IDM_EFFECT_TIME); }),
              0u)
        << "steps left";
    EXPECT_EQ(readOuts, (Lines{"00:10 秒まで", "00:11 秒から"}));
    EXPECT_TRUE(centred);
    EXPECT_EQ(effect().window.start, 10);
    EXPECT_EQ(effect().window.end, 11);
}

// The tone dialog under Wine over a plain parent window: its resource as laid out, the list filled from the
// module's lists, a selection by mouse or keyboard reaching the device at once, and OK or Cancel reaching
// the lock. The rules behind them are checked by the model's tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/app/win32/TestWindow.h"
#include "tests/tones/win32/ToneDialogInput.h"
#include "tones/ToneTable.h"
#include "tones/win32/CToneDlg.h"
#include "tones/win32/ToneDialogIds.h"

namespace {
class ToneDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }

    // Runs the dialog modally with |steps| done inside it, once it is up.
    INT_PTR run(ToneDialogModel& model, std::function<void(HWND)> steps) {
        INT_PTR result = 0;
        runWithDialogScript(std::move(steps), [&] { result = CToneDlg(model, parent).doModal(); });
        return result;
    }
    static int selection(HWND dialog) { return int(SendMessageW(toneList(dialog), LB_GETCURSEL, 0, 0)); }
    static std::wstring row(HWND dialog, int index) {
        wchar_t buffer[64] = {};
        SendMessageW(toneList(dialog), LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    // The client rectangle of a control in dialog units.
    static RECT unitsOf(HWND dialog, int id) {
        RECT rect;
        GetWindowRect(GetDlgItem(dialog, id), &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        RECT units{0, 0, 4, 8};
        MapDialogRect(dialog, &units);
        return {MulDiv(rect.left, 4, units.right), MulDiv(rect.top, 8, units.bottom),
                MulDiv(rect.right, 4, units.right), MulDiv(rect.bottom, 8, units.bottom)};
    }

    HWND parent = nullptr;
    ChannelTones tones;
    RecordingMidiOut out;
};

using Lines = std::vector<std::string>;

TEST_F(ToneDialogTest, SelectionsAreHeardAtOnceAndOkLocksTheLastOne) {
    tones.takeSongProgram(2, 5);
    tones.takeSongBank(2, 24);
    ToneDialogModel model(tones, out, 2, SoundModule::sc88, false);
    const int hardFmEp = toneIndex(SoundModule::sc88, 5, 24);
    const INT_PTR result = run(model, [&](HWND dialog) {
        EXPECT_EQ(windowText(dialog), "               音色の変更");
        EXPECT_EQ(itemText(dialog, IDC_TONE_LABEL), "音色名：Hard\tFM EP");
        const LONG style = GetWindowLongW(toneList(dialog), GWL_STYLE);
        EXPECT_TRUE(style & LBS_USETABSTOPS);
        EXPECT_FALSE(style & LBS_SORT);
        EXPECT_EQ(SendMessageW(toneList(dialog), LB_GETCOUNT, 0, 0), 418);
        EXPECT_EQ(row(dialog, 0), L"*Piano 1");
        EXPECT_EQ(row(dialog, hardFmEp), L"Hard\tFM EP");
        EXPECT_EQ(selection(dialog), hardFmEp);
        const RECT listUnits = unitsOf(dialog, IDC_TONE_LIST);
        EXPECT_NEAR(listUnits.left, 10, 1);
        EXPECT_NEAR(listUnits.top, 25, 1);
        EXPECT_NEAR(listUnits.right - listUnits.left, 95, 1);
        EXPECT_TRUE(out.messages().empty());

        clickToneRow(dialog, 6);  // EG+Rhodes 1
        EXPECT_EQ(selection(dialog), 6);
        EXPECT_EQ(sentLines(out), (Lines{"0 B2 00 01", "0 B2 20 00", "0 C2 02 00"}));
        SendMessageW(toneList(dialog), WM_KEYDOWN, VK_DOWN, 0);  // EG+Rhodes 2
        EXPECT_EQ(out.messages().size(), 6u);
        EXPECT_FALSE(tones.at(2).fixed);
        pressButton(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(sentLines(out),
              (Lines{"0 B2 00 01", "0 B2 20 00", "0 C2 02 00", "0 B2 00 02", "0 B2 20 00", "0 C2 02 00"}));
    EXPECT_TRUE(tones.at(2).fixed);
    EXPECT_EQ(int(tones.at(2).program), 2);
    EXPECT_EQ(int(tones.at(2).bank), 2);
}

TEST_F(ToneDialogTest, GmModeClearsTheSelectionOfAVariationToneAndCancelOrClosingPutsTheToneBack) {
    tones.takeSongProgram(0, 48);
    ToneDialogModel model(tones, out, 0, SoundModule::sc55, true);
    EXPECT_EQ(run(model,
                  [&](HWND dialog) {
                      clickToneRow(dialog, 1);  // Piano 1w, bank 8
                      EXPECT_EQ(selection(dialog), LB_ERR);
                      EXPECT_TRUE(out.messages().empty());
                      clickToneRow(dialog, 3);  // *Piano 2
                      pressButton(dialog, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_EQ(sentLines(out),
              (Lines{"0 B0 00 00", "0 B0 20 00", "0 C0 01 00", "0 B0 00 00", "0 B0 20 00", "0 C0 30 00"}));
    EXPECT_FALSE(tones.at(0).fixed);

    // The drum channel lists the drum sets.
    out.clear();
    tones.takeSongProgram(9, 25);
    ToneDialogModel drums(tones, out, 9, SoundModule::sc55, false);
    EXPECT_EQ(run(drums,
                  [&](HWND dialog) {
                      EXPECT_EQ(itemText(dialog, IDC_TONE_LABEL), "ドラムセット：TR808");
                      EXPECT_EQ(SendMessageW(toneList(dialog), LB_GETCOUNT, 0, 0), 8);
                      clickToneRow(dialog, 7);  // ORCHESTRA
                      SendMessageW(dialog, WM_CLOSE, 0, 0);
                  }),
              IDCANCEL);
    EXPECT_EQ(sentLines(out), (Lines{"0 C9 30 00", "0 C9 19 00"}));
    EXPECT_FALSE(tones.at(9).fixed);
}
}  // namespace

// The tone dialog under Wine over a plain parent window, where the real window's test does not take it: a
// refused selection cleared in the list, and Cancel putting the tone back. Opening over the real window,
// selections heard at once and OK are the tone column's window test.
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

    HWND parent = nullptr;
    ChannelTones tones;
    RecordingMidiOut out;
};

using Lines = std::vector<std::string>;

TEST_F(ToneDialogTest, GmModeClearsTheSelectionOfAVariationToneAndCancelPutsTheToneBack) {
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
}
}  // namespace

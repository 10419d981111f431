// The effect-time dialog under Wine. It is modal, so each test hands it a script of steps that a thread
// timer plays inside the dialog's own message loop; a step that finds nothing to act on yet is tried again
// on the next tick.
#include <gtest/gtest.h>

#include <deque>

#include "effects/win32/CEffectTimeDlg.h"
#include "effects/win32/EffectDialogIds.h"
#include "tests/effects/win32/EffectDialogParent.h"
#include "tests/effects/win32/TimeDialogSearch.h"

namespace {
using Step = DialogStep;

// Every static text of a window, joined.
std::string staticTexts(HWND window) {
    std::string texts;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        if (std::wstring(className) == L"Static") texts += narrow(text);
    }
    return texts;
}

class EffectTimeDlgTest : public testing::Test {
  protected:
    std::optional<int32_t> ask(const EffectTimeQuestion& question, std::deque<Step> steps) {
        CEffectTimeDlg dialog(GetModuleHandleW(nullptr), "終了時間は開始時間より後に設定して下さい");
        std::optional<int32_t> answer;
        // A script that cannot go on must not leave the test hanging in the dialog.
        const size_t left = runWithDialogSteps(
            std::move(steps), 200, [] { return findTimeDialog(true); },
            [&] { answer = dialog.ask(parent.handle(), question); });
        EXPECT_EQ(left, 0u) << left << " steps left";
        return answer;
    }
    // A step acting on the dialog once it is there.
    static Step onDialog(std::function<void(HWND)> action) {
        return [action] {
            HWND dialog = findTimeDialog(true);
            if (dialog) action(dialog);
            return dialog != nullptr;
        };
    }
    static void scroll(HWND dialog, int code, int dragged = 0) {
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(code, uint16_t(dragged)),
                     LPARAM(GetDlgItem(dialog, IDC_TIME_BAR)));
    }

    EffectDialogParent parent;
};

TEST_F(EffectTimeDlgTest, TheStartQuestionReadsOutTheBarAndAnswersWithIt) {
    std::vector<std::string> readOuts;
    bool centred = false;
    std::string prompt;
    const std::optional<int32_t> answer =
        ask(EffectTimeQuestion(EffectTimeQuestion::askStart, 75), {onDialog([&](HWND dialog) {
                centred = centredOver(dialog, parent.handle());
                prompt = itemText(dialog, IDC_TIME_PROMPT);
                readOuts.push_back(itemText(dialog, IDC_TIME_READOUT));
                scroll(dialog, SB_THUMBTRACK, 3599);
                readOuts.push_back(itemText(dialog, IDC_TIME_READOUT));
                scroll(dialog, SB_PAGELEFT);  // the trough does not move it
                scroll(dialog, SB_LINELEFT);
                readOuts.push_back(itemText(dialog, IDC_TIME_READOUT));
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            })});
    EXPECT_EQ(answer, 3598);
    EXPECT_TRUE(centred);
    EXPECT_EQ(prompt, "開始時間を設定して下さい");
    EXPECT_EQ(readOuts, (std::vector<std::string>{"01:15 秒まで", "59:59 秒まで", "59:58 秒まで"}));
}

TEST_F(EffectTimeDlgTest, AnEndNotAfterTheStartIsRefusedAndTheDialogStays) {
    std::string message;
    std::string readOut;
    const std::optional<int32_t> answer =
        ask(EffectTimeQuestion(EffectTimeQuestion::askEnd, 10, 10),
            {onDialog([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDOK, 0); }),
             [&] {
                 HWND box = findTimeDialog(false);
                 if (!box) return false;
                 message = staticTexts(box);
                 PostMessageW(box, WM_COMMAND, IDOK, 0);
                 return true;
             },
             onDialog([&](HWND dialog) {
                 scroll(dialog, SB_LINERIGHT);
                 readOut = itemText(dialog, IDC_TIME_READOUT);
                 PostMessageW(dialog, WM_COMMAND, IDOK, 0);
             })});
    EXPECT_EQ(message, "終了時間は開始時間より後に設定して下さい");
    EXPECT_EQ(readOut, "00:11 秒から");
    EXPECT_EQ(answer, 11);
}

TEST_F(EffectTimeDlgTest, NoIsACancel) {
    const std::optional<int32_t> answer =
        ask(EffectTimeQuestion(EffectTimeQuestion::askEnd, 100, 10), {onDialog([](HWND dialog) {
                scroll(dialog, SB_LINERIGHT);
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            })});
    EXPECT_FALSE(answer);
}
}  // namespace

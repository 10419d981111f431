// The effect-time dialog under Wine. It is modal, so each test hands it a script of steps that a thread
// timer plays inside the dialog's own message loop; a step that finds nothing to act on yet is tried again
// on the next tick.
#include <gtest/gtest.h>

#include <deque>

#include "effects/win32/CEffectTimeDlg.h"
#include "effects/win32/EffectDialogIds.h"
#include "tests/effects/win32/EffectDialogParent.h"

namespace {
using Step = std::function<bool()>;
std::deque<Step> script;
int ticksLeft = 0;

struct DialogSearch {
    bool withBar;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (!IsWindowVisible(window) || std::wstring(className) != L"#32770") return TRUE;
    wchar_t barClass[16] = {};
    GetClassNameW(GetDlgItem(window, IDC_TIME_BAR), barClass, 16);
    if ((std::wstring(barClass) == L"ScrollBar") != search->withBar) return TRUE;
    search->found = window;
    return FALSE;
}

// The open dialog of this thread: the time dialog itself (it has the scroll bar) or a message box over it.
HWND findDialog(bool withBar) {
    DialogSearch search{withBar, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &matchDialog, LPARAM(&search));
    return search.found;
}

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

void CALLBACK playScript(HWND, UINT, UINT_PTR, DWORD) {
    if (--ticksLeft < 0 || script.empty()) {
        // A script that cannot go on must not leave the test hanging in the dialog.
        if (HWND dialog = findDialog(true)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (script.front()()) script.pop_front();
}

class EffectTimeDlgTest : public testing::Test {
  protected:
    std::optional<int32_t> ask(const EffectTimeQuestion& question, std::deque<Step> steps) {
        script = std::move(steps);
        ticksLeft = 200;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &playScript);
        CEffectTimeDlg dialog(GetModuleHandleW(nullptr), "終了時間は開始時間より後に設定して下さい");
        const std::optional<int32_t> answer = dialog.ask(parent.handle(), question);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(script.empty()) << script.size() << " steps left";
        return answer;
    }
    // A step acting on the dialog once it is there.
    static Step onDialog(std::function<void(HWND)> action) {
        return [action] {
            HWND dialog = findDialog(true);
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
                 HWND box = findDialog(false);
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

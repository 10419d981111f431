// The key-signature dialog under Wine: its buttons worked by clicks, the label, the messages its parent
// receives and the choice the parent reads during a try. The rules themselves are checked natively.
#include <gtest/gtest.h>

#include "effects/win32/CKeySigDlg.h"
#include "effects/win32/EffectDialogCommon.h"
#include "effects/win32/EffectDialogIds.h"
#include "tests/effects/win32/EffectDialogParent.h"

namespace {
class KeySigDlgTest : public testing::Test {
  protected:
    void open(const KeySignature& initial) {
        dialog = CKeySigDlg::open(GetModuleHandleW(nullptr), parent.handle(), initial);
        ASSERT_NE(dialog, nullptr);
        window = dialog->handle();
    }
    void click(int id) {
        SendDlgItemMessageW(window, id, BM_CLICK, 0, 0);
        pumpMessages();
    }
    std::vector<int> checkedButtons() const {
        std::vector<int> checked;
        for (int id = IDC_KEY_COUNT_FIRST; id <= IDC_KEY_FLATS; ++id)
            if (IsDlgButtonChecked(window, id) == BST_CHECKED) checked.push_back(id);
        return checked;
    }

    EffectDialogParent parent;
    CKeySigDlg* dialog = nullptr;
    HWND window = nullptr;
};

TEST_F(KeySigDlgTest, OpensCentredShowingTheSignatureInForce) {
    open(KeySignature{-1, 2});
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(centredOver(window, parent.handle()));
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_EQ(narrow(caption), "                  調号の付加");
    EXPECT_EQ(checkedButtons(), (std::vector<int>{IDC_KEY_COUNT_FIRST + 1, IDC_KEY_FLATS}));
    EXPECT_EQ(itemText(window, IDC_KEY_LABEL), "シ、ミ");
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);  // no close box: only "終了" closes it
    click(IDOK);
}

TEST_F(KeySigDlgTest, ButtonsChangeTheLabelAndATryHandsTheChoiceToTheParent) {
    open(KeySignature{});
    EXPECT_EQ(checkedButtons(), std::vector<int>{IDC_KEY_NONE});
    click(IDC_KEY_COUNT_FIRST + 2);  // "３" without a sign does not stay checked
    EXPECT_EQ(checkedButtons(), std::vector<int>{IDC_KEY_NONE});
    EXPECT_EQ(itemText(window, IDC_KEY_LABEL), "なし");

    click(IDC_KEY_SHARPS);
    click(IDC_KEY_COUNT_FIRST + 2);
    EXPECT_EQ(itemText(window, IDC_KEY_LABEL), "ファ、ド、ソ");
    click(IDC_KEY_FLATS);
    EXPECT_EQ(itemText(window, IDC_KEY_LABEL), "シ、ミ、ラ");

    KeySignature tried;
    parent.whileReceiving = [&](UINT message) {
        if (message == keySignatureTryMessage) tried = dialog->signature();
    };
    click(IDC_KEY_TRY);
    EXPECT_EQ(parent.received, std::vector<UINT>{0x0464});
    EXPECT_EQ(tried.sign, -1);
    EXPECT_EQ(tried.count, 3);

    click(IDC_KEY_NONE);
    EXPECT_EQ(checkedButtons(), std::vector<int>{IDC_KEY_NONE});
    EXPECT_EQ(itemText(window, IDC_KEY_LABEL), "なし");
    click(IDOK);
    EXPECT_EQ(parent.received, (std::vector<UINT>{0x0464, 0x0469}));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(KeySigDlgTest, EscapeClosesAsTheEndButtonDoes) {
    open(KeySignature{1, 7});
    EXPECT_EQ(itemText(window, IDC_KEY_LABEL), "全て");
    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(parent.received, std::vector<UINT>{0x0469});
    EXPECT_FALSE(IsWindow(window));
}
}  // namespace

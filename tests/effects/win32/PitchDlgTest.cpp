// The pitch dialog under Wine: the thumbs and labels it shows, its bars and buttons worked by messages,
// the colour of the selected row's label, and what the parent receives and reads. The row rules
// themselves are checked natively.
#include <gtest/gtest.h>

#include "effects/win32/CPitchDlg.h"
#include "effects/win32/EffectDialogCommon.h"
#include "effects/win32/EffectDialogIds.h"
#include "tests/effects/win32/EffectDialogParent.h"

namespace {
enum Row { C, Cs, D, Ds, E, F, Fs, G, Gs, A, As, B };

class PitchDlgTest : public testing::Test {
  protected:
    void SetUp() override {
        dialog = CPitchDlg::open(GetModuleHandleW(nullptr), parent.handle(), PitchMap{});
        ASSERT_NE(dialog, nullptr);
        window = dialog->handle();
    }
    HWND bar(int row) const { return GetDlgItem(window, row < 10 ? 1019 + row : 1053 + row - 10); }
    int position(int row) const { return GetScrollPos(bar(row), SB_CTL); }
    std::string label(int row) const { return itemText(window, IDC_PITCH_NEW_FIRST + row); }
    void scroll(int row, int code, int dragged = 0) {
        SendMessageW(window, WM_HSCROLL, MAKEWPARAM(code, uint16_t(dragged)), LPARAM(bar(row)));
    }
    void click(int id) { SendDlgItemMessageW(window, id, BM_CLICK, 0, 0); }
    // The background of a new-note label as it is painted now.
    COLORREF labelBackground(int row) const {
        HWND labelWindow = GetDlgItem(window, IDC_PITCH_NEW_FIRST + row);
        RedrawWindow(labelWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(labelWindow);
        const COLORREF colour = GetPixel(dc, 3, 3);
        ReleaseDC(labelWindow, dc);
        return colour;
    }

    EffectDialogParent parent;
    CPitchDlg* dialog = nullptr;
    HWND window = nullptr;
};

TEST_F(PitchDlgTest, OpensCentredWithEveryRowUnchangedAndTheThumbsOnADiagonal) {
    EXPECT_TRUE(centredOver(window, parent.handle()));
    for (int row = 0; row < 12; ++row) {
        int minimum = 0, maximum = 0;
        GetScrollRange(bar(row), SB_CTL, &minimum, &maximum);
        EXPECT_EQ(minimum, -12);
        EXPECT_EQ(maximum, 12);
        EXPECT_EQ(position(row), row - 5) << row;
        EXPECT_EQ(label(row), itemText(window, IDC_PITCH_SOURCE_FIRST + row));
    }
    EXPECT_EQ(label(Fs), "ファ♯");
    click(IDOK);
}

TEST_F(PitchDlgTest, BarsMoveFromTheRowsValueAndColourTheSelectedLabelByOctave) {
    const COLORREF plain = labelBackground(E);
    scroll(E, SB_LINERIGHT);  // E (-1) to F (0)
    EXPECT_EQ(position(E), 0);
    EXPECT_EQ(label(E), "ファ");
    EXPECT_EQ(labelBackground(E), RGB(0, 255, 255));

    scroll(E, SB_THUMBTRACK, -10);  // the dragged position arrives in 16 bits
    EXPECT_EQ(position(E), -10);
    EXPECT_EQ(label(E), "ソ");
    EXPECT_EQ(labelBackground(E), RGB(255, 0, 255));
    scroll(E, SB_PAGERIGHT);  // the trough does not move it
    EXPECT_EQ(position(E), -10);

    for (int step = 0; step < 3; ++step)
        scroll(B, SB_LINERIGHT);  // B (6) up to the D of the octave above (9)
    EXPECT_EQ(label(B), "レ");
    EXPECT_EQ(labelBackground(B), RGB(255, 255, 0));
    EXPECT_EQ(labelBackground(E), plain);  // only the selected row is coloured
    click(IDOK);
}

TEST_F(PitchDlgTest, ButtonsRedrawTheRowsAndATryHandsTheMapToTheParent) {
    click(IDC_PITCH_UP);
    EXPECT_EQ(label(C), "ド♯");
    EXPECT_EQ(position(C), -4);
    click(IDC_PITCH_RESET);
    EXPECT_EQ(label(C), "ド");

    scroll(C, SB_LINELEFT);
    scroll(C, SB_LINERIGHT);
    click(IDC_PITCH_REST);
    EXPECT_EQ(label(C), "休符");
    EXPECT_EQ(position(C), -5);  // the bar keeps the rest's note
    click(IDC_PITCH_REMOVE_SEMITONES);
    EXPECT_EQ(label(Cs), "ド");

    PitchMap tried;
    parent.whileReceiving = [&](UINT message) {
        if (message == pitchMapTryMessage) tried = dialog->pitchMap();
    };
    click(IDC_PITCH_TRY);
    EXPECT_EQ(parent.received, std::vector<UINT>{0x0465});
    EXPECT_GE(tried.entries[C], PitchMap::rest);
    EXPECT_EQ(tried.entries[Cs], -1);
    EXPECT_EQ(tried.entries[D], 0);

    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);  // Esc
    EXPECT_EQ(parent.received, (std::vector<UINT>{0x0465, 0x0469}));
    EXPECT_FALSE(IsWindow(window));
}
}  // namespace

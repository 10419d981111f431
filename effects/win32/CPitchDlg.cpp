#include "effects/win32/CPitchDlg.h"

#include "effects/win32/EffectDialogCommon.h"
#include "platform/win32/DialogPlumbing.h"
#include "resources/DialogIds.h"

namespace {
const COLORREF labelColourValues[3] = {RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 0)};

int barId(int row) {
    if (row < 10) return IDC_PITCH_BAR_FIRST + row;
    return row == 10 ? IDC_PITCH_BAR_ELEVENTH : IDC_PITCH_BAR_TWELFTH;
}
}  // namespace

CPitchDlg::CPitchDlg(HWND parent, const PitchMap& initial) : parent_(parent), drawing_(initial) {
    for (int colour = 0; colour < 3; ++colour) brushes_[colour] = CreateSolidBrush(labelColourValues[colour]);
}

CPitchDlg::~CPitchDlg() {
    for (HBRUSH brush : brushes_) DeleteObject(brush);
}

CPitchDlg* CPitchDlg::open(HINSTANCE instance, HWND parent, const PitchMap& initial) {
    return DialogPlumbing::openModeless(instance, IDD_PITCH_MAP, parent, new CPitchDlg(parent, initial));
}

INT_PTR CPitchDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            show();
            return TRUE;
        case WM_HSCROLL:
            scroll(wParam, HWND(lParam));
            return FALSE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) command(LOWORD(wParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return labelColours(HDC(wParam), HWND(lParam));
        default:
            return FALSE;
    }
}

void CPitchDlg::show() {
    // A new scroll bar's range is empty: it must be set before any position, or every thumb sits at 0.
    for (int row = 0; row < PitchDrawing::rowCount; ++row)
        SetScrollRange(bar(row), SB_CTL, PitchDrawing::minimum, PitchDrawing::maximum, FALSE);
    for (int row = 0; row < PitchDrawing::rowCount; ++row) showRow(row);
    fitAndCentreDialog(dialog_, parent_);
}

void CPitchDlg::scroll(WPARAM wParam, HWND scrolled) {
    const int row = rowOfBar(scrolled);
    if (row < 0) return;
    const PitchDrawing::Scrolled result =
        drawing_.scroll(row, scrollCodeOf(wParam), GetScrollPos(scrolled, SB_CTL), draggedPositionOf(wParam));
    if (!result.handled) return;
    SetScrollPos(scrolled, SB_CTL, result.position, TRUE);
    if (result.uncolouredRow >= 0) writeLabel(result.uncolouredRow);
    writeLabel(row);
    colour(row);
}

static_assert(IDC_PITCH_REVERSE - IDC_PITCH_RESET + 1 == PitchDrawing::buttonCount,
              "the nine buttons' control ids run in the drawing's order");

void CPitchDlg::command(int id) {
    if (id >= IDC_PITCH_RESET && id < IDC_PITCH_RESET + PitchDrawing::buttonCount)
        return showChange(drawing_.press(PitchDrawing::Button(id - IDC_PITCH_RESET)));
    switch (id) {
        case IDC_PITCH_TRY:
            SendMessageW(parent_, pitchMapTryMessage, 0, 0);
            return;
        case IDOK:
        case IDCANCEL:
            return closeEffectDialog(dialog_, parent_);
        default:
            return;
    }
}

void CPitchDlg::showChange(const PitchDrawing::Change& change) {
    for (int row = 0; row < PitchDrawing::rowCount; ++row)
        if (change.rows & (1u << row)) showRow(row);
    if (change.colouredRow >= 0) colour(change.colouredRow);
}

void CPitchDlg::showRow(int row) {
    writeLabel(row);
    SetScrollPos(bar(row), SB_CTL, drawing_.pitch(row), TRUE);
}

void CPitchDlg::writeLabel(int row) {
    if (row == colouredRow_) colouredRow_ = -1;
    setItemText(dialog_, IDC_PITCH_NEW_FIRST + row, drawing_.label(row));
}

void CPitchDlg::colour(int row) {
    colouredRow_ = row;
    InvalidateRect(GetDlgItem(dialog_, IDC_PITCH_NEW_FIRST + row), nullptr, TRUE);
}

INT_PTR CPitchDlg::labelColours(HDC dc, HWND label) {
    if (colouredRow_ < 0 || label != GetDlgItem(dialog_, IDC_PITCH_NEW_FIRST + colouredRow_)) return FALSE;
    const int colour = int(drawing_.colour(colouredRow_));
    SetBkColor(dc, labelColourValues[colour]);
    SetTextColor(dc, RGB(0, 0, 0));
    return INT_PTR(brushes_[colour]);
}

HWND CPitchDlg::bar(int row) const {
    return GetDlgItem(dialog_, barId(row));
}

int CPitchDlg::rowOfBar(HWND scrolled) const {
    for (int row = 0; row < PitchDrawing::rowCount; ++row)
        if (bar(row) == scrolled) return row;
    return -1;
}

#pragma once
#include <windows.h>

#include "effects/PitchDrawing.h"

// The modeless dialog of "好きにして": one scroll bar per pitch class and nine buttons that transform the
// drawing. Its "試行" sends pitchMapTryMessage to the parent, which reads `pitchMap()`; its "終了" (and
// Esc) sends effectDialogClosingMessage and destroys the window. The object deletes itself once its
// window is gone.
class CPitchDlg {
  public:
    // Creates the dialog's window centred over `parent`; nullptr when it could not be created.
    static CPitchDlg* open(HINSTANCE instance, HWND parent, const PitchMap& initial);

    HWND handle() const { return dialog_; }
    PitchMap pitchMap() const { return drawing_.toPitchMap(); }

  private:
    CPitchDlg(HWND parent, const PitchMap& initial);
    CPitchDlg(const CPitchDlg&) = delete;
    CPitchDlg& operator=(const CPitchDlg&) = delete;
    ~CPitchDlg();

    friend struct DialogPlumbing;  // platform/win32/DialogPlumbing.h
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void show();
    void scroll(WPARAM wParam, HWND bar);
    void command(int id);
    void showChange(const PitchDrawing::Change& change);
    void showRow(int row);
    void writeLabel(int row);
    void colour(int row);
    INT_PTR labelColours(HDC dc, HWND label);
    HWND bar(int row) const;
    int rowOfBar(HWND bar) const;

    HWND parent_;
    HWND dialog_ = nullptr;
    PitchDrawing drawing_;
    int colouredRow_ = -1;  // the label painted in its octave's colour, until its text is set again
    HBRUSH brushes_[3];     // by LabelColour
};

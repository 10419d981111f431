#pragma once
#include <windows.h>

#include "effects/KeySignatureChoice.h"

// The modeless dialog of "変位記号". Its "試行" sends keySignatureTryMessage to the parent, which reads
// `signature()`; its "終了" (and Esc) sends effectDialogClosingMessage and destroys the window. The object
// deletes itself once its window is gone.
class CKeySigDlg {
  public:
    // Creates the dialog's window centred over `parent`; nullptr when it could not be created.
    static CKeySigDlg* open(HINSTANCE instance, HWND parent, const KeySignature& initial);

    HWND handle() const { return dialog_; }
    KeySignature signature() const { return choice_.signature(); }

  private:
    CKeySigDlg(HWND parent, const KeySignature& initial) : parent_(parent), choice_(initial) {}
    CKeySigDlg(const CKeySigDlg&) = delete;
    CKeySigDlg& operator=(const CKeySigDlg&) = delete;

    friend struct DialogPlumbing;  // platform/win32/DialogPlumbing.h
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void show();
    void command(int id);
    void uncheckCounts();
    void writeLabel();

    HWND parent_;
    HWND dialog_ = nullptr;
    KeySignatureChoice choice_;
};

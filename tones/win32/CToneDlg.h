#pragma once
#include <windows.h>

#include "tones/ToneDialogModel.h"

// The tone dialog (resource 102), shown modally over the main window. It only turns its messages into
// calls on the model: the list's selections, OK and Cancel (closing it any other way is Cancel).
class CToneDlg {
  public:
    CToneDlg(ToneDialogModel& model, HWND parent);

    // Returns IDOK or IDCANCEL once the user has closed it, or -1 when it could not be created.
    INT_PTR doModal();

  private:
    friend struct DialogPlumbing;  // platform/win32/DialogPlumbing.h
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void fill();
    void selectionChanged();
    void close(int result);

    ToneDialogModel& model_;
    HWND parent_;
    HWND dialog_ = nullptr;
};

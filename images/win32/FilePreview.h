#pragma once
#include <windows.h>

#include <string>

#include "images/FileDialogFailure.h"
#include "images/FileDialogRules.h"
#include "platform/win32/DialogPlumbing.h"

// What the open dialog shows of its selection: a picture (images/win32/PicturePreview.h) or a song to
// listen to (playback/win32/SongPreview.h). The dialog, CFileIconDlg, is the same over either: it keeps the
// panel, its check box and the rules, and the rules' loading, showing and clearing land here.
class FilePreview {
  public:
    virtual ~FilePreview() = default;

    // Which rules apply, and which remembered check box is the panel's.
    virtual FileDialogMode mode() const = 0;
    // The panel has appeared: the preview sets up its controls there, and shows its failures over the
    // dialog in |wording|'s words.
    void attach(HWND panel, FileDialogWording wording) {
        panel_ = panel;
        wording_ = wording;
        setUp();
    }
    // Reads the file into the preview; a failure has been shown.
    virtual bool load(const std::string& path) = 0;
    // Shows what was loaded.
    virtual void show() = 0;
    virtual void clear() = 0;
    // At the confirmation of the file last loaded: false keeps the dialog open (the failure has been shown).
    virtual bool accept() { return true; }
    // A message of the panel's that the dialog leaves to the preview; FALSE when it is not this one's.
    virtual INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  protected:
    virtual void setUp() {}
    void showFailure(const FileDialogFailure& failure) const {
        showMessage(GetParent(panel_), wording_(failure));
    }

    HWND panel_ = nullptr;

  private:
    FileDialogWording wording_ = nullptr;
};

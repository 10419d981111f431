#pragma once
#include <windows.h>
// commdlg.h needs windows.h first.
#include <commdlg.h>

#include <optional>
#include <string>

#include "images/FileDialogFailure.h"
#include "images/FileDialogRules.h"
#include "images/win32/FilePreview.h"

// The user's choice, in UTF-8; its folder is where the dialog opens next.
struct ChosenFile {
    std::string path;
};

// What the open dialog with a preview needs from its caller, besides the preview.
struct FileDialogSetup {
    // "description|pattern|" pairs: the MIDI filter, or the picture filter (`ImageFilter`).
    std::string filter;
    // Where the dialog opens ("ReadDir" or "TexDir"); the current folder when empty or gone.
    std::string startFolder;
    // The program's remembered check boxes.
    PreviewChecks* checks = nullptr;
    FileDialogWording wording = nullptr;
};

// The platform's explorer-style open dialog with a panel (template 101) that previews the selection through
// |preview|: a picture, scaled to fit, with its size, or a song to listen to. The rules live in
// FileDialogRules; this class turns the dialog's notifications into them.
class CFileIconDlg : private PreviewPane {
  public:
    // Runs the modal dialog; nothing when it was cancelled.
    static std::optional<ChosenFile> run(HWND owner, const FileDialogSetup& setup, FilePreview& preview);

  private:
    friend struct DialogPlumbing;  // platform/win32/DialogPlumbing.h
    CFileIconDlg(const FileDialogSetup& setup, FilePreview& preview);
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR onNotify(const OFNOTIFYW& notify);
    INT_PTR onCommand(WPARAM wParam);
    std::string selectedPath() const;

    // PreviewPane
    PathKind pathKind(const std::string& path) override;
    bool loadPreview(const std::string& path) override;
    void drawPreview() override { preview_.show(); }
    void clearPreview() override { preview_.clear(); }
    void setCheck(bool checked) override;
    void refuseMissingFile(const std::string& path) override;
    bool acceptPicture() override { return preview_.accept(); }

    const FileDialogSetup& setup_;
    FilePreview& preview_;
    FileDialogRules rules_;
    HWND dialog_ = nullptr;  // the panel
};

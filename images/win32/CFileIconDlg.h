#pragma once
#include <windows.h>
// commdlg.h needs windows.h first.
#include <commdlg.h>

#include <functional>
#include <optional>
#include <string>

#include "images/DibImage.h"
#include "images/FileDialogFailure.h"
#include "images/FileDialogRules.h"
#include "playback/MidiOut.h"
#include "playback/PlaybackTimer.h"
#include "playback/PreviewPlayer.h"

class SusiePlugins;

// The user's choice, in UTF-8; its folder is where the dialog opens next.
struct ChosenFile {
    std::string path;
};

// What the open dialog with a preview needs from its caller.
struct FileDialogSetup {
    FileDialogMode mode = FileDialogMode::midi;
    // "description|pattern|" pairs: the MIDI filter, or the picture filter (`ImageFilter`) in background
    // mode.
    std::string filter;
    // Where the dialog opens ("ReadDir" or "TexDir"); the current folder when empty or gone.
    std::string startFolder;
    // The program's remembered check boxes.
    PreviewChecks* checks = nullptr;
    FileDialogWording wording = nullptr;

    // MIDI mode: the device and timer listening plays through (never while the main player plays).
    MidiOut* out = nullptr;
    PlaybackTimer* previewTimer = nullptr;

    // Background mode: the plug-ins for pictures other than BMP (none until they are loaded, when every
    // such picture is refused with "該当するライブラリが見つかりません"), and what becomes of the picture
    // the user confirms: turned into the face, returning false (its failure shown) to keep the dialog open.
    const SusiePlugins* plugins = nullptr;
    std::function<bool(const DibImage& picture)> acceptPicture;
};

// The platform's explorer-style open dialog with a panel (template 101) that previews the selection: in
// background mode the picture, scaled to fit, and its size; in MIDI mode the song, played through a
// PreviewPlayer. The rules live in FileDialogRules; this class turns the dialog's notifications into them.
class CFileIconDlg : private PreviewPane, private PreviewEndPoster {
  public:
    // Runs the modal dialog; nothing when it was cancelled.
    static std::optional<ChosenFile> run(HWND owner, const FileDialogSetup& setup);

    // Posted by the preview's timer thread when the song has ended.
    static constexpr UINT previewEndedMessage = WM_APP + 0x14;

  private:
    explicit CFileIconDlg(const FileDialogSetup& setup);
    static UINT_PTR CALLBACK hookProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR onInitDialog();
    INT_PTR onNotify(const OFNOTIFYW& notify);
    INT_PTR onCommand(WPARAM wParam);
    INT_PTR onDrawItem(const DRAWITEMSTRUCT& item);
    INT_PTR onDestroy();
    std::string selectedPath() const;
    void showFailure(const FileDialogFailure& failure);
    bool loadPicture(const std::string& path);
    bool loadSong(const std::string& path);

    // PreviewPane
    PathKind pathKind(const std::string& path) override;
    bool loadPreview(const std::string& path) override;
    void drawPreview() override;
    void clearPreview() override;
    void setCheck(bool checked) override;
    void refuseMissingFile(const std::string& path) override;
    bool acceptPicture() override;
    // PreviewEndPoster
    void postPreviewEnded() override;

    const FileDialogSetup& setup_;
    FileDialogRules rules_;
    std::optional<PreviewPlayer> player_;  // MIDI mode
    HWND panel_ = nullptr;
    DibImage picture_;
    bool pictureShown_ = false;
};

#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "app/Dialogs.h"
#include "app/Window.h"
#include "images/FileDialogRules.h"
#include "images/win32/SusiePlugins.h"
#include "playback/MidiOut.h"
#include "playback/win32/MultimediaTimer.h"

class CKeySigDlg;  // effects/win32/CKeySigDlg.h
class CPitchDlg;   // effects/win32/CPitchDlg.h

// The program's dialogs, opened over the main window, with what they keep while it runs: the image
// plug-ins (which also decode the background's pictures), the open dialog's preview and its check boxes,
// and the open modeless effect dialog.
class Win32Dialogs : public Dialogs, public Pictures {
  public:
    explicit Win32Dialogs(HINSTANCE instance) : instance_(instance) {}
    virtual ~Win32Dialogs();

    // The window the dialogs open over and tell their refusals in, and the device the song being listened
    // to in the open dialog plays through; given once the window exists.
    void attach(HWND owner, Window& window, MidiOut& previewOut);
    // The image plug-ins beside the program, from the start-up to the window's destruction.
    void loadPlugins(bool settingsUsable);
    void releasePlugins() { plugins_ = SusiePlugins(); }

    std::optional<std::string> chooseSongFile(const std::string& filter, const std::string& folder) override;
    // The plain open dialog with the plug-ins' picture filter.
    std::optional<std::string> choosePicture(const std::string& folder) override;
    std::optional<std::string> chooseSourceFile(const std::string& filter) override;
    std::optional<std::string> chooseFileToSave(const std::string& folder, const std::string& filter,
                                                const std::string& extension) override;
    // velmira.chm beside the program.
    bool openHelpSearch() override;
    void showRefusal(EffectTimeRefusal refusal) override;
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion& question) override;
    // A dialog that could not be created is closed at once, or the close command would stay grey.
    void openKeySignatureDialog(const KeySignature& initial) override;
    void openPitchDialog(const PitchMap& initial) override;
    void runToneDialog(ToneDialogModel& dialog) override;
    PluginResult decodeWithPlugins(const std::string& path, const std::string& extension,
                                   DibImage& picture) override;

    // The open effect dialog's window, or nullptr: the message loop hands it its keyboard messages.
    HWND effectDialog() const;
    // What the open dialog shows when its "試行" is pressed; nothing when no such dialog is open.
    std::optional<KeySignature> keySignatureTried() const;
    std::optional<PitchMap> pitchMapTried() const;
    // The open dialog's "終了": it destroys its window (and itself) right after. Also when the window goes,
    // since Windows destroys its owned windows first, and with them the objects these point at.
    void effectDialogClosing();

  protected:
    // The timer listening in the open dialog plays by; the tests' dialogs have one they tick themselves.
    virtual PlaybackTimer& previewTimer() { return previewTimer_; }

  private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
    Window* window_ = nullptr;
    MidiOut* previewOut_ = nullptr;
    // The open effect dialog; each deletes itself once its window is gone.
    CKeySigDlg* keySignatureDialog_ = nullptr;
    CPitchDlg* pitchDialog_ = nullptr;
    SusiePlugins plugins_;
    MultimediaTimer previewTimer_;
    PreviewChecks previewChecks_;  // the open dialog's check boxes, kept while the program runs
};

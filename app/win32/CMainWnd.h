#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/BackgroundPort.h"
#include "app/HelpMenu.h"
#include "app/MainWindowModel.h"
#include "app/PlatformPorts.h"
#include "app/PlaySaveMenu.h"
#include "app/SettingsPort.h"
#include "app/win32/CSongListDlg.h"
#include "app/win32/GdiCanvas.h"
#include "app/win32/MidiInputDevices.h"
#include "app/win32/MidiOutChoice.h"
#include "app/win32/RegistrySettingsStore.h"

class CKeySigDlg;  // effects/win32/CKeySigDlg.h
class CPitchDlg;   // effects/win32/CPitchDlg.h
#include "images/FileDialogRules.h"
#include "images/win32/SusiePlugins.h"
#include "playback/win32/MultimediaTimer.h"
#include "tones/ToneChanger.h"

// The one main window. Its window procedure only dispatches: every rule lives in MainWindowModel, and this
// class carries out what the model asks of Windows through its ports (the window itself, files, dialogs,
// the registry and what keeping the settings needs of the window).
class CMainWnd : public WindowPort,
                 public FilePort,
                 public DialogPort,
                 public GeneratorPort,
                 public TickPoster,
                 public SettingsPort,
                 public EffectDialogPort,
                 public ToneDialogPort,
                 public BackgroundPort,
                 public HelpPort,
                 public PlaySavePort,
                 private CanvasSource {
  public:
    static constexpr UINT tickMessage = WM_USER + 1;  // WM_TICK, posted by the timer thread
    static constexpr const wchar_t* className = L"VelmiraMainWindow";
    // The meters' clock while no song plays (a song's ticks drive them while it plays).
    static constexpr UINT_PTR liveMetersTimer = 1;
    static constexpr UINT liveMetersPeriodMs = 10;

    // Opens the MIDI output at start-up; the text to show when it cannot be opened.
    using OutputOpener = std::function<std::optional<std::string>()>;
    // reopenOutput, when given, offers the choice of the output device ("MIDI出力").
    CMainWnd(HINSTANCE instance, MidiOut& out, OutputOpener openOutput, PlaybackTimer& timer,
             ShortMessageFailures& failures, MidiOutChoice::Reopener reopenOutput = {});
    ~CMainWnd() override;

    static bool registerClass(HINSTANCE instance);
    // Creates the window and runs the start-up. After a failure that ends the program the message has
    // been shown, the window is gone, and this returns false.
    bool create(int showCommand);
    HWND handle() const { return window_; }
    // The rules and state behind the window (tests and tools look at them through here).
    MainWindowModel& model() { return model_; }

    // WindowPort
    void showMessage(const std::string& text) override;
    void showInformation(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    void setTitle(const std::string& title) override;
    void setWaitCursor(bool waiting) override;
    void postClose() override;
    void resizeForView(bool large) override;
    void invalidateFace() override;
    void invalidate(const face::Rect& area) override;
    // FilePort
    FileData readFile(const std::string& path, uint64_t limit) override;
    FileStream openFile(const std::string& path) override;
    std::optional<std::string> findSkinFile(const std::string& name) override;
    // DialogPort
    std::optional<std::string> chooseSongFile(const std::string& filter, const std::string& folder) override;
    // GeneratorPort
    std::optional<std::string> chooseSourceFile(const std::string& filter) override;
    uint32_t clockSeconds() override;

    // TickPoster: the timer thread's WM_TICK.
    void postTick() override;
    // SettingsPort
    std::string currentFolder() override;
    bool setCurrentFolder(const std::string& folder) override;
    void showHistoryItems(const std::vector<HistoryMenuItem>& items) override;

    // EffectDialogPort (CMainWndEffects.cpp)
    void showRefusal(EffectTimeRefusal refusal) override;
    std::optional<int32_t> askEffectTime(const EffectTimeQuestion& question) override;
    void openKeySignatureDialog(const KeySignature& initial) override;
    void openPitchDialog(const PitchMap& initial) override;
    void enableCloseCommand(bool enabled) override;
    // The message loop hands every message here first: the open effect dialog takes its keyboard
    // messages (Tab, and Esc acting as its "終了"), then the "曲目一覧" window its own, before the hot keys
    // could. Returns whether a dialog took the message.
    bool takeDialogMessage(MSG& message);
    // The open effect dialog's window, or nullptr.
    HWND effectDialog() const;
    // The "曲目一覧" window once it has been opened, or nullptr.
    HWND songListWindow() const { return songList_.handle(); }

    // ToneDialogPort
    void runToneDialog(ToneDialogModel& dialog) override;

    // BackgroundPort. The picture is chosen in the plain open dialog with the picture filter.
    std::optional<std::string> chooseBackgroundPicture(const std::string& folder) override;
    PluginResult decodeWithPlugins(const std::string& path, const std::string& extension,
                                   DibImage& picture) override;
    void showConversionProgress(const std::string& text) override;
    std::optional<std::string> chooseFaceFileToSave(const std::string& folder,
                                                    const std::string& filter) override;
    // (and PlaySavePort's)
    bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) override;
    // HelpPort: velmira.chm beside the program.
    bool openHelpSearch() override;
    // PlaySavePort
    std::optional<std::string> choosePlayedSongFile(const std::string& folder,
                                                    const std::string& filter) override;

  protected:
    // The timer listening in the open dialog plays by; the tests' window has one it ticks itself.
    virtual PlaybackTimer& previewTimer() { return previewTimer_; }

  private:
    PlatformPorts ports();
    MidiOutChoice::Reopener underOwner(MidiOutChoice::Reopener reopen);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    // Each handler returns the message's result: 0 when handled, the default handling's otherwise.
    LRESULT onPaint();
    LRESULT onCommand(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onInitMenuPopup(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onLeftButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onLeftButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCaptionDoubleClick(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onDropFiles(WPARAM drop);
    LRESULT onClose();
    LRESULT onDestroy();
    LRESULT onNcDestroy(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT passOnIf(bool passOn, UINT message, WPARAM wParam, LPARAM lParam);
    // The effect dialogs' messages: the tries read the open dialog's choice (CMainWndEffects.cpp).
    LRESULT onKeySignatureTry();
    LRESULT onPitchMapTry();
    LRESULT onEffectDialogClosing();
    void updateMenuChecks(HMENU popup);
    void paint(HDC dc);
    // The face is drawn on the client area, which exists only once the window does.
    std::unique_ptr<Canvas> openCanvas() override;

    HINSTANCE instance_;
    OutputOpener openOutput_;
    HWND window_ = nullptr;
    int largeWidth_ = 0;
    int largeHeight_ = 0;
    std::unique_ptr<WindowCanvasSource> canvases_;
    RegistrySettingsStore registry_;
    std::unique_ptr<MidiOutChoice> midiOutChoice_;  // before the model, which is given it
    MidiInputDevices midiInputs_{window_};
    CSongListDlg songList_;  // before the model, which is given it
    MainWindowModel model_;
    // The open effect dialog; each deletes itself once its window is gone.
    CKeySigDlg* keySignatureDialog_ = nullptr;
    CPitchDlg* pitchDialog_ = nullptr;
    SusiePlugins plugins_;  // the image plug-ins, from the start-up to the window's destruction
    MultimediaTimer previewTimer_;
    PreviewChecks previewChecks_;  // the open dialog's check boxes, kept while the program runs
};

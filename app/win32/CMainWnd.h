#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/MainWindowModel.h"
#include "app/Window.h"
#include "app/win32/CLyricsDlg.h"
#include "app/win32/CSongListDlg.h"
#include "app/win32/GdiCanvas.h"
#include "app/win32/MidiInputDevices.h"
#include "app/win32/MidiOutChoice.h"
#include "app/win32/RegistrySettingsStore.h"
#include "app/win32/Win32Dialogs.h"

// The one main window. Its window procedure only dispatches: every rule lives in MainWindowModel, and this
// class is the window those rules see (messages, title, cursor, repaints, size, menu); the files and the
// dialogs are services of their own, handed in.
class CMainWnd : public Window, private CanvasSource {
  public:
    static constexpr UINT tickMessage = WM_USER + 1;  // WM_TICK, posted by the timer thread
    static constexpr const wchar_t* className = L"VelmiraMainWindow";
    // The meters' clock while no song plays (a song's ticks drive them while it plays).
    static constexpr UINT_PTR liveMetersTimer = 1;
    static constexpr UINT liveMetersPeriodMs = 10;

    // Opens the MIDI output at start-up; the text to show when it cannot be opened.
    using OutputOpener = std::function<std::optional<std::string>()>;
    // reopenOutput, when given, offers the choice of the output device ("MIDI出力").
    CMainWnd(HINSTANCE instance, Files& files, Win32Dialogs& dialogs, MidiOut& out, OutputOpener openOutput,
             PlaybackTimer& timer, ShortMessageFailures& failures, MidiOutChoice::Reopener reopenOutput = {});
    ~CMainWnd() override;

    static bool registerClass(HINSTANCE instance);
    // Creates the window and runs the start-up. After a failure that ends the program the message has
    // been shown, the window is gone, and this returns false.
    bool create(int showCommand);
    HWND handle() const { return window_; }
    // The rules and state behind the window (tests and tools look at them through here).
    MainWindowModel& model() { return model_; }

    // Window
    void showMessage(const std::string& text) override;
    void showInformation(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    void setTitle(const std::string& title) override;
    void setWaitCursor(bool waiting) override;
    void postClose() override;
    void enableCloseCommand(bool enabled) override;
    void resizeForView(bool large) override;
    void invalidateFace() override;
    void invalidate(const face::Rect& area) override;
    void showHistoryItems(const std::vector<HistoryMenuItem>& items) override;
    // The timer thread's WM_TICK.
    void postTick() override;

    // The message loop hands every message here first: the open effect dialog takes its keyboard
    // messages (Tab, and Esc acting as its "終了"), then the "曲目一覧" and "歌詞" windows their own, before
    // the hot keys could. Returns whether a dialog took the message.
    bool takeDialogMessage(MSG& message);
    // The open effect dialog's window, or nullptr.
    HWND effectDialog() const { return dialogs_.effectDialog(); }
    // The "曲目一覧" window once it has been opened, or nullptr.
    HWND songListWindow() const { return songList_.handle(); }
    // The "歌詞" window, shown or not.
    const CLyricsDlg& lyricsWindow() const { return lyrics_; }

  private:
    WindowPlatform platform();
    MidiOutChoice::Reopener underOwner(MidiOutChoice::Reopener reopen);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    // Each handler returns the message's result: 0 when handled, the default handling's otherwise.
    LRESULT onPaint();
    LRESULT onCommand(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onInitMenuPopup(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onLeftButtonDown(int x, int y);
    LRESULT onLeftButtonUp();
    LRESULT onCaptureChanged(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCaptionDoubleClick(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onDropFiles(WPARAM drop);
    LRESULT onClose();
    LRESULT onDestroy();
    LRESULT onNcDestroy(UINT message, WPARAM wParam, LPARAM lParam);
    // The effect dialogs' messages: the tries read the open dialog's choice.
    LRESULT onKeySignatureTry();
    LRESULT onPitchMapTry();
    LRESULT onEffectDialogClosing();
    void updateMenuChecks(HMENU popup);
    void paint(HDC dc);
    // The face is drawn on the client area, which exists only once the window does.
    std::unique_ptr<Canvas> openCanvas() override;

    HINSTANCE instance_;
    Files& files_;
    Win32Dialogs& dialogs_;
    SystemClock clock_;
    OutputOpener openOutput_;
    HWND window_ = nullptr;
    int largeWidth_ = 0;
    int largeHeight_ = 0;
    std::unique_ptr<WindowCanvasSource> canvases_;
    RegistrySettingsStore registry_;
    std::unique_ptr<MidiOutChoice> midiOutChoice_;  // before the model, which is given it
    MidiInputDevices midiInputs_{window_};
    CSongListDlg songList_;  // before the model, which is given it
    CLyricsDlg lyrics_;      // before the model, which is given it
    MainWindowModel model_;
};

#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/MainWindowModel.h"
#include "app/PlatformPorts.h"
#include "app/win32/GdiCanvas.h"
#include "images/FileDialogRules.h"
#include "playback/win32/MultimediaTimer.h"

// The one main window. Its window procedure only dispatches: every rule lives in MainWindowModel, and this
// class carries out what the model asks of Windows through its ports (the window itself, files, dialogs).
class CMainWnd : public WindowPort,
                 public FilePort,
                 public DialogPort,
                 public TickPoster,
                 private CanvasSource {
  public:
    static constexpr UINT tickMessage = WM_USER + 1;  // WM_TICK, posted by the timer thread
    static constexpr const wchar_t* className = L"VelmiraMainWindow";

    // Opens the MIDI output at start-up; the text to show when it cannot be opened.
    using OutputOpener = std::function<std::optional<std::string>()>;
    CMainWnd(HINSTANCE instance, MidiOut& out, OutputOpener openOutput, PlaybackTimer& timer,
             ShortMessageFailures& failures);
    ~CMainWnd() override;

    static bool registerClass(HINSTANCE instance);
    // Creates the window and runs the start-up. After a failure that ends the program the message has
    // been shown, the window is gone, and this returns false.
    bool create(int showCommand);
    HWND handle() const { return window_; }

    // WindowPort
    void showMessage(const std::string& text) override;
    void setTitle(const std::string& title) override;
    void setWaitCursor(bool waiting) override;
    void postClose() override;
    void resizeForView(bool large) override;
    void invalidateFace() override;
    void invalidate(const face::Rect& area) override;
    // FilePort
    FileData readFile(const std::string& path) override;
    std::optional<std::string> findSkinFile(const std::string& name) override;
    // DialogPort
    std::optional<std::string> chooseSongFile(const std::string& filter) override;

    // TickPoster: the timer thread's WM_TICK.
    void postTick() override;

  protected:
    // The timer listening in the open dialog plays by; the tests' window has one it ticks itself.
    virtual PlaybackTimer& previewTimer() { return previewTimer_; }

  private:
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
    LRESULT onClose();
    LRESULT onDestroy();
    LRESULT onNcDestroy(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT passOnIf(bool passOn, UINT message, WPARAM wParam, LPARAM lParam);
    void updateMenuChecks(HMENU popup);
    void removeHistoryPlaceholders();
    void paint(HDC dc);
    // The face is drawn on the client area, which exists only once the window does.
    std::unique_ptr<Canvas> openCanvas() override;

    HINSTANCE instance_;
    OutputOpener openOutput_;
    HWND window_ = nullptr;
    int largeWidth_ = 0;
    int largeHeight_ = 0;
    std::unique_ptr<WindowCanvasSource> canvases_;
    MainWindowModel model_;
    MidiOut& out_;
    MultimediaTimer previewTimer_;
    PreviewChecks previewChecks_;  // the open dialog's check boxes, kept while the program runs
};

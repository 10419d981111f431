#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/MainWindowModel.h"
#include "app/WindowPort.h"
#include "app/win32/GdiCanvas.h"

// The one main window. Its window procedure only dispatches: every rule lives in
// MainWindowModel, and this class carries out what the model asks of Windows.
class CMainWnd : public WindowPort, public TickPoster, private CanvasSource {
  public:
    static constexpr UINT tickMessage = WM_USER + 1;  // WM_TICK, posted by the timer thread
    static constexpr const wchar_t* className = L"VelmiraMainWindow";

    using OutputOpener = std::function<bool(std::string& error)>;
    CMainWnd(HINSTANCE instance, MidiOut& out, OutputOpener openOutput, PlaybackTimer& timer,
             ShortMessageFailures& failures);
    ~CMainWnd() override;

    static bool registerClass(HINSTANCE instance);
    // Creates the window and runs the start-up. After a failure that ends the program the message has
    // been shown, the window is gone, and this returns false.
    bool create(int showCommand);
    HWND handle() const { return window_; }
    MainWindowModel& model() { return model_; }

    // WindowPort
    void showMessage(const std::string& text) override;
    std::optional<std::string> chooseSongFile(const std::string& filter) override;
    FileData readFile(const std::string& path) override;
    std::optional<std::string> findSkinFile(const std::string& name) override;
    void setTitle(const std::string& title) override;
    void setWaitCursor(bool waiting) override;
    void postClose() override;
    void resizeForView(bool large) override;
    void invalidateFace() override;

    // TickPoster: the timer thread's WM_TICK.
    void postTick() override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT finishFaceMessage(bool passOn, UINT message, WPARAM wParam, LPARAM lParam);
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
};

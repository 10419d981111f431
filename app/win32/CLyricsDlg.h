#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/LyricsWindow.h"
#include "app/WindowPlace.h"

// The "歌詞" window: a modeless dialog owned by the main window, made the first time it shows, hidden when
// closed (the close box, Esc), and gone with its owner. It paints the title small on top, then the line
// being sung, its sung words in another colour, and the next line, in a font as large as the window allows.
// Its place, size and whether it shows are handed to |placed| as the user changes them, to be kept.
class CLyricsDlg : public LyricsWindowPort {
  public:
    using Placed = std::function<void(const WindowPlace&)>;
    CLyricsDlg(HINSTANCE instance, Placed placed) : instance_(instance), placed_(std::move(placed)) {}
    CLyricsDlg(const CLyricsDlg&) = delete;
    CLyricsDlg& operator=(const CLyricsDlg&) = delete;
    ~CLyricsDlg() override;

    // The main window, once it exists.
    void attach(HWND owner) { owner_ = owner; }
    // At start-up, the place the last run kept: the window opens there when it is on a screen, and shows at
    // once if it was shown.
    void restore(const WindowPlace& place);
    // The place as it is now, handed to |placed| (the main window's end: the last move may have come from
    // a window manager, without the end of a move loop).
    void keepPlace() const;
    void showLyricsWindow(bool shown) override;
    bool lyricsWindowShown() const override;
    void showLyrics(const LyricMoment& moment) override;
    // The message loop hands every message here: the window's own keys (Esc).
    bool takeMessage(MSG& message);
    HWND handle() const { return dialog_; }
    // The texts shown, a line each: the title, the line being sung, the next (for the tests).
    std::string shownText() const;

  private:
    friend struct DialogPlumbing;  // platform/win32/DialogPlumbing.h
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc);
    void placeOnOpening();
    void noteRect();  // the window's rectangle into place_
    void hide();

    HINSTANCE instance_;
    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
    LyricMoment moment_;
    Placed placed_;
    std::optional<WindowPlace> place_;  // none until kept or first shown
};

#pragma once
#include <windows.h>

#include <string>

#include "app/LyricsWindow.h"

// The "歌詞" window: a modeless dialog owned by the main window, made the first time it shows, hidden when
// closed (the close box, Esc), and gone with its owner. It paints the title small on top, then the line
// being sung, its sung words in another colour, and the next line, in a font as large as the window allows.
class CLyricsDlg : public LyricsWindowPort {
  public:
    explicit CLyricsDlg(HINSTANCE instance) : instance_(instance) {}
    CLyricsDlg(const CLyricsDlg&) = delete;
    CLyricsDlg& operator=(const CLyricsDlg&) = delete;
    ~CLyricsDlg() override;

    // The main window, once it exists.
    void attach(HWND owner) { owner_ = owner; }
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

    HINSTANCE instance_;
    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
    LyricMoment moment_;
};

#pragma once
#include <windows.h>

#include <functional>

#include "app/SongListWindow.h"
#include "resources/DialogIds.h"

// The "曲目一覧" window: a modeless dialog owned by the main window, made the first time it opens, hidden
// when closed (the close box, Esc), and gone with its owner. Its actions are handed to the window's rules,
// which answer with the row to select; while the owner is disabled by a modal dialog they wait like it.
class CSongListDlg : public SongListWindowPort {
  public:
    using Act = std::function<int(SongListWindow::Action action, int row)>;
    CSongListDlg(HINSTANCE instance, Act act) : instance_(instance), act_(std::move(act)) {}
    CSongListDlg(const CSongListDlg&) = delete;
    CSongListDlg& operator=(const CSongListDlg&) = delete;
    ~CSongListDlg() override;

    // The main window, once it exists.
    void attach(HWND owner) { owner_ = owner; }
    void openSongListWindow(const SongListView& view) override;
    void showSongList(const SongListView& view) override;
    // The message loop hands every message here: the window's own keys (Tab, Enter, Esc) and its list's.
    bool takeMessage(MSG& message);
    HWND handle() const { return dialog_; }

  private:
    friend struct DialogPlumbing;  // platform/win32/DialogPlumbing.h
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The list's keys: the window's rules decide which act.
    static LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
    void act(SongListWindow::Action action);
    void fill(const SongListView& view);
    void fitTextWidth();
    void layOut();
    void placeBesideOwner();
    HWND list() const { return GetDlgItem(dialog_, IDC_SONG_LIST); }

    HINSTANCE instance_;
    Act act_;
    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;
    WNDPROC listDefault_ = nullptr;
    int keysHeight_ = 0;  // the line of keys under the list, in pixels
    SongListView shown_;
};

#pragma once
#include "app/MenuArea.h"
#include "app/SongOpener.h"
#include "app/Window.h"
#include "playback/Player.h"

// "ファイル": opening a song and leaving the program (the history items are HistoryMenu's).
class FileMenu : public MenuArea {
  public:
    FileMenu(SongOpener& songs, const Player& player, Window& window)
        : songs_(songs), player_(player), window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int id) const override;

  private:
    SongOpener& songs_;
    const Player& player_;
    Window& window_;
};

#pragma once
#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "app/SongOpener.h"
#include "app/Window.h"

// "大きい画面": the large view with the whole face, or the compact one of a caption and the menu bar.
class ViewMenu : public MenuArea {
  public:
    ViewMenu(FaceState& face, const SongOpener& songs, Window& window)
        : face_(face), songs_(songs), window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int id) const override;

  private:
    FaceState& face_;
    const SongOpener& songs_;
    Window& window_;
};

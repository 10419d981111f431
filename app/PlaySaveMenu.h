#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Dialogs.h"
#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "app/Settings.h"
#include "app/Window.h"
#include "effects/PlaybackEngine.h"
#include "platform/Files.h"

// "演奏を保存": the loaded song written as the window would play it now (see playedSongAsSmf), to a file
// chosen in the song folder. Ignored while playing, like the other file commands, and greyed with no song
// loaded.
class PlaySaveMenu : public MenuArea {
  public:
    PlaySaveMenu(PlaybackEngine& engine, const FaceState& face, const Settings& settings, Dialogs& dialogs,
                 Files& files, Window& window)
        : engine_(engine),
          face_(face),
          settings_(settings),
          dialogs_(dialogs),
          files_(files),
          window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {false, face_.songLoaded}; }

  private:
    PlaybackEngine& engine_;
    const FaceState& face_;
    const Settings& settings_;
    Dialogs& dialogs_;
    Files& files_;
    Window& window_;
};

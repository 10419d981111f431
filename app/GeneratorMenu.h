#pragma once
#include <string>

#include "app/Dialogs.h"
#include "app/MenuArea.h"
#include "app/SongOpener.h"
#include "app/Window.h"
#include "generators/SongBuilder.h"
#include "platform/Files.h"
#include "playback/Player.h"

// "別領域": a song made from a text file ("文章音"), from a BMP picture ("画像音") or from the clock
// ("乱数音"). Each is refused while a song plays. The loaded song is replaced only by a song built whole;
// a refusal leaves it, and its title, as they were and says why. None starts playback.
class GeneratorMenu : public MenuArea {
  public:
    GeneratorMenu(SongOpener& songs, const Player& player, PseudoRandom& random, Dialogs& dialogs,
                  Clock& clock, Files& files, Window& window)
        : songs_(songs),
          player_(player),
          random_(random),
          dialogs_(dialogs),
          clock_(clock),
          files_(files),
          window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    void makeTextSong();
    void makePictureSong();
    void makeRandomSong();
    // Opens a built song under |path|, or shows why none was built.
    void open(GeneratedSong song, const std::string& path);

    SongOpener& songs_;
    const Player& player_;
    PseudoRandom& random_;
    Dialogs& dialogs_;
    Clock& clock_;
    Files& files_;
    Window& window_;
};

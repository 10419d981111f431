#pragma once
#include <string>

#include "app/Dialogs.h"
#include "app/MenuArea.h"
#include "app/SettingsSession.h"
#include "app/Skin.h"
#include "app/SongOpener.h"
#include "app/Window.h"
#include "platform/Files.h"
#include "playback/Player.h"

// A picture of the user's under the face's controls: "背景画変更" composes it into a new face at once, and
// the close request offers to save that face so that it becomes the face of every later start.
class BackgroundChange {
  public:
    BackgroundChange(Dialogs& dialogs, Pictures& pictures, Files& files, Window& window, Skin& skin,
                     const SongOpener& songs, SettingsSession& settings)
        : dialogs_(dialogs),
          pictures_(pictures),
          files_(files),
          window_(window),
          skin_(skin),
          songs_(songs),
          settings_(settings) {}

    // Offers pictures until one has become the face or the user cancels. A picture that is missing,
    // unreadable or cannot be composed is reported and the dialog comes back, the old face staying.
    void change();
    // The close request: with a changed face, asks whether to keep it, and saves it on Yes.
    void offerToSave();
    // Saves the face as a 24-bit BMP in a file the user names; that file becomes the background path
    // only once it is written whole, so a cancelled or failed save keeps the face saved before.
    void saveFace();

    // Whether a picture has become the face since the start.
    bool changed() const { return changed_; }
    // Where pictures are chosen and faces saved ("TexDir"); a chosen picture's folder becomes it.
    const std::string& pictureFolder() const { return settings_.pictureFolder(); }

  private:
    // The file-name-OK rules: whether |path| has become the face; false after the failure's message.
    bool makeFaceFrom(const std::string& path);
    // The picture at |path|, or the text saying why there is none.
    std::string loadPicture(const std::string& path, DibImage& picture);

    Dialogs& dialogs_;
    Pictures& pictures_;
    Files& files_;
    Window& window_;
    Skin& skin_;
    const SongOpener& songs_;
    SettingsSession& settings_;
    bool changed_ = false;
};

// "背景画変更" (40061): a picture of the user's becomes the face. Refused without a word while a song plays,
// since the composition holds up the window thread that feeds the device.
class BackgroundMenu : public MenuArea {
  public:
    BackgroundMenu(BackgroundChange& background, const Player& player)
        : background_(background), player_(player) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    BackgroundChange& background_;
    const Player& player_;
};

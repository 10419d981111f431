#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "app/Settings.h"
#include "app/WindowPort.h"
#include "effects/PlaybackEngine.h"

// What saving the song as played asks of the platform. Paths are UTF-8.
class PlaySavePort {
  public:
    virtual ~PlaySavePort() = default;
    // The save dialog for a MIDI file, starting in |folder|, with a "description|pattern|" filter; "mid" is
    // added to a name typed without an extension, and replacing a file is confirmed first. Nothing when
    // cancelled.
    virtual std::optional<std::string> choosePlayedSongFile(const std::string& folder,
                                                            const std::string& filter) = 0;
    // Writes the file whole or not at all: false when it could not be written completely, and then no part
    // of it is left and a file it would have replaced is unchanged.
    virtual bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) = 0;
};

// "演奏を保存": the loaded song written as the window would play it now (see playedSongAsSmf), to a file
// chosen in the song folder. Ignored while playing, like the other file commands, and greyed with no song
// loaded.
class PlaySaveMenu : public MenuArea {
  public:
    PlaySaveMenu(PlaybackEngine& engine, const FaceState& face, const Settings& settings, PlaySavePort& port,
                 WindowPort& window)
        : engine_(engine), face_(face), settings_(settings), port_(port), window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {false, face_.songLoaded}; }

  private:
    PlaybackEngine& engine_;
    const FaceState& face_;
    const Settings& settings_;
    PlaySavePort& port_;
    WindowPort& window_;
};

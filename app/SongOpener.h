#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/FaceDrawing.h"
#include "app/FaceState.h"
#include "app/PlatformPorts.h"
#include "effects/PlaybackEngine.h"
#include "playback/SongList.h"

// Opening songs: a file from the open dialog, the song list's entry in a song-list mode, a file named by
// the history, and a song the generators wrote. Each load puts the engine and the face back to a fresh
// song's state and names the song in the window's title.
class SongOpener {
  public:
    SongOpener(PlatformPorts ports, PlaybackEngine& engine, FaceState& face, FaceDrawing& drawing);

    // "ファイルを開く": the open dialog, or in a song-list mode the list's current entry. A cancelled or
    // failed open leaves the loaded song and the title as they were.
    void openFromMenu();
    // The file at path, without the dialog. Returns whether it was loaded; a failure has shown its message.
    bool openFile(const std::string& path);
    // A song image the generators wrote, played like a file; the title keeps naming the last file.
    void openGeneratedSong(std::vector<uint8_t> bytes);
    // Loop mode at the end of a song: the next song-list entry, wrapping.
    void openNextSongListEntry();
    // Runs after every load, of a file or of a generated song, once the engine holds the new song.
    void onEachLoad(std::function<void()> listener) { loadListeners_.push_back(std::move(listener)); }

    // The song's path, and in the large view also its size, format and track count; the program's name
    // before any song.
    std::string windowTitle() const;
    const std::string& currentPath() const { return currentPath_; }
    SongList& songList() { return songList_; }

  private:
    void finishLoad();

    PlatformPorts ports_;
    PlaybackEngine& engine_;
    FaceState& face_;
    FaceDrawing& drawing_;
    SongList songList_;
    std::string currentPath_;
    std::string detailsText_;
    std::vector<std::function<void()>> loadListeners_;
};

// A fresh song's face: master volume 100, every cell and toggle back to its start, and what a changed cell
// had sent to the device undone. The cells are repainted from the face at the next paint, as a full
// repaint would show them.
void resetFaceForNewSong(FaceState& face, MidiOut& out, FaceDrawing& drawing, WindowPort& window);

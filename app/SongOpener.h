#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/Dialogs.h"
#include "app/FaceDrawing.h"
#include "app/FaceState.h"
#include "app/HistoryMenu.h"
#include "app/SettingsSession.h"
#include "app/Window.h"
#include "effects/PlaybackEngine.h"
#include "platform/Files.h"

// Opening songs: a file from the open dialog, the song list's entry in a song-list mode, a file named by
// the history, and a song the generators wrote. Each load puts the engine and the face back to a fresh
// song's state and names the song in the window's title. A file opened from the dialog, the command line or
// the history goes to the top of the history once it has loaded, and its folder becomes the open dialog's.
class SongOpener {
  public:
    SongOpener(PlaybackEngine& engine, FaceState& face, FaceDrawing& drawing, HistoryMenu& history,
               SettingsSession& settings, Dialogs& dialogs, Files& files, Window& window);

    // "ファイルを開く": the open dialog in the folder of MIDI files, which becomes the folder of the file
    // confirmed there. A cancelled or failed open leaves the loaded song and the title as they were. A file
    // confirmed in the dialog joins the song list even when it cannot be read. No song-list mode lasts
    // while stopped (a stop or a failed start ends it), and the command is refused while playing.
    void openFromMenu();
    // A file picked by the user (in the open dialog, on the command line, by dropping it): it joins the
    // song list and is opened. Returns whether it was loaded; a failure keeps the loaded song's title.
    bool openPickedFile(const std::string& path);
    // The song named on the command line at start: as a picked file, except that one the list already
    // holds (it came back from the last run) is not added again, so that the list does not fill up with
    // the same song at each start.
    bool openStartFile(const std::string& path);
    // A history item: its file, without the dialog.
    void openHistoryFile(const std::string& path);
    // The song-list entry at the list's index, or the first after it (direction +1) or before it (-1),
    // wrapping, that leaves a song with a note to play: that entry, or, when it could not be read, the song
    // loaded before it. When no entry does, the song-list mode ends with a message and the result is false.
    bool openSongListEntry(int direction);
    // The file at path, without the dialog. Returns whether it was loaded; a failure has shown its message.
    bool openFile(const std::string& path);
    // A whole song image a generator wrote, played like a file. |path| stands in the title where a file's
    // path would (the source file's path, or the generator's name), followed in the large view by the
    // image's size, format and track count.
    void openGeneratedSong(std::vector<uint8_t> bytes, const std::string& path);
    // Loop mode at the end of a song: the next song-list entry, wrapping, as openSongListEntry.
    bool openNextSongListEntry();
    // Runs after every load, of a file or of a generated song, once the engine holds the new song.
    void onEachLoad(std::function<void()> listener) { loadListeners_.push_back(std::move(listener)); }

    // The song's path, and in the large view also its size, format and track count; the program's name
    // before any song.
    std::string windowTitle() const;
    const std::string& currentPath() const { return currentPath_; }

  private:
    // Takes the loaded song's size, format and track count for the title.
    void takeDetails();
    // Opens path; a failure names the loaded song (if any) in currentPath again.
    bool openKeepingLoadedSong(const std::string& path, const std::string& loadedPath);
    // Opens path as above and, once it has loaded, notes it as opened by the user.
    bool openNotingHistory(const std::string& path);
    // A song the user opened: the top of the history, and its folder the open dialog's.
    void noteOpened(const std::string& path);
    std::string loadedPath() const { return face_.songLoaded ? currentPath_ : std::string(); }
    void finishLoad();

    PlaybackEngine& engine_;
    FaceState& face_;
    FaceDrawing& drawing_;
    HistoryMenu& history_;
    SettingsSession& settings_;
    Dialogs& dialogs_;
    Files& files_;
    Window& window_;
    std::string currentPath_;
    std::string detailsText_;
    std::vector<std::function<void()>> loadListeners_;
};

// A fresh song's face: master volume 100, every cell and toggle back to its start, and what a changed cell
// had sent to the device undone. The cells are repainted from the face at the next paint, as a full
// repaint would show them.
void resetFaceForNewSong(FaceState& face, MidiOut& out, FaceDrawing& drawing, Window& window);

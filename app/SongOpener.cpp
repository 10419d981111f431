#include "app/SongOpener.h"

#include "app/Messages.h"
#include "platform/Paths.h"

SongOpener::SongOpener(PlaybackEngine& engine, FaceState& face, FaceDrawing& drawing, HistoryMenu& history,
                       SettingsSession& settings, Dialogs& dialogs, Files& files, Window& window)
    : engine_(engine),
      face_(face),
      drawing_(drawing),
      history_(history),
      settings_(settings),
      dialogs_(dialogs),
      files_(files),
      window_(window) {}

void SongOpener::openFromMenu() {
    const std::string loaded = loadedPath();
    currentPath_.clear();
    const std::optional<std::string> chosen = dialogs_.chooseSongFile(songOpenFilter, settings_.songFolder());
    currentPath_ = loaded;
    if (!chosen || chosen->empty()) return;
    settings_.keepSongFolder(folderOf(*chosen));
    openPickedFile(*chosen);
}

bool SongOpener::openPickedFile(const std::string& path) {
    engine_.selection().songs.append(path);
    return openNotingHistory(path);
}

bool SongOpener::openStartFile(const std::string& path) {
    SongList& songs = engine_.selection().songs;
    if (!songs.contains(path)) songs.append(path);
    return openNotingHistory(path);
}

bool SongOpener::openNotingHistory(const std::string& path) {
    if (!openKeepingLoadedSong(path, loadedPath())) return false;
    noteOpened(path);
    return true;
}

void SongOpener::openHistoryFile(const std::string& path) {
    if (openKeepingLoadedSong(path, loadedPath())) noteOpened(path);
}

void SongOpener::noteOpened(const std::string& path) {
    // The open dialog starts where the last song the user opened lies, however it was opened. Taken first:
    // |path| may be the history's own entry, which noting the file moves.
    settings_.keepSongFolder(folderOf(path));
    history_.noteOpened(path);
}

bool SongOpener::openSongListEntry(int direction) {
    SongSelection& selection = engine_.selection();
    SongList& songs = selection.songs;
    // An entry that leaves no note to play (an empty file, a file that is no song, one with nothing but
    // controllers, or one that cannot be read with no song loaded before it) is passed over: loop play
    // would otherwise go from one silent entry to the next for ever, and a step back would land on it and
    // be carried forward again.
    for (int tried = 0; tried < songs.count(); ++tried) {
        if (tried > 0) songs.moveToNextEntry(direction);
        if (songs.index >= 0 && songs.index < songs.count())
            openKeepingLoadedSong(songs.at(songs.index), loadedPath());
        if (face_.songLoaded && holdsNote(engine_.song())) return true;
    }
    selection.mode = SongSelection::noSongList;
    window_.showMessage(noPlayableSongText);
    return false;
}

bool SongOpener::openKeepingLoadedSong(const std::string& path, const std::string& loadedPath) {
    if (openFile(path)) return true;
    currentPath_ = loadedPath;
    return false;
}

bool SongOpener::openFile(const std::string& path) {
    currentPath_ = path;
    window_.setWaitCursor(true);
    FileData file = files_.readFile(path, uint64_t(SongBuffer::maxFileSize));
    if (file.status != FileData::ok) {
        window_.setWaitCursor(false);
        window_.showMessage(songReadFailureText(file.status));
        return false;
    }
    engine_.loadSong(std::move(file.bytes));
    takeDetails();
    finishLoad();
    window_.setTitle(windowTitle());
    window_.setWaitCursor(false);
    return true;
}

void SongOpener::openGeneratedSong(std::vector<uint8_t> bytes, const std::string& path) {
    window_.setWaitCursor(true);
    currentPath_ = path;
    engine_.loadSong(std::move(bytes));
    takeDetails();
    finishLoad();
    window_.setTitle(windowTitle());
    window_.setWaitCursor(false);
}

bool SongOpener::openNextSongListEntry() {
    engine_.selection().songs.moveToNextEntry(+1);
    return openSongListEntry(+1);
}

void SongOpener::takeDetails() {
    const SongBuffer& song = engine_.song();
    detailsText_ = songDetailsText(long(song.size()), song.songFormat(), song.trackCount());
}

void SongOpener::finishLoad() {
    resetFaceForNewSong(face_, engine_.out(), drawing_, window_);
    face_.songLoaded = true;
    for (const std::function<void()>& listener : loadListeners_) listener();
}

std::string SongOpener::windowTitle() const {
    if (!face_.songLoaded) return programTitle;
    return face_.largeView ? currentPath_ + detailsText_ : currentPath_;
}

void resetFaceForNewSong(FaceState& face, MidiOut& out, FaceDrawing& drawing, Window& window) {
    face.masterVolume = 100;
    face.volumeBase.fill(100);
    drawing.drawReadout(FaceDrawing::allReadouts);
    for (int channel = 0; channel < FaceState::channelCount; ++channel)
        for (int toggle = 0; toggle < FaceState::toggleColumns; ++toggle)
            if (face.channelToggles[size_t(channel)][size_t(toggle)]) {
                face.channelToggles[size_t(channel)][size_t(toggle)] = false;
                drawing.drawToggle(channel, toggle);
            }

    using namespace midi::controller;
    const int startValues[FaceState::cellColumns] = {10, 0, 0, 0, 0};
    for (int channel = 0; channel < FaceState::channelCount; ++channel) {
        const uint8_t status = midi::statusOf(midi::controlChange, channel);
        for (int column = 0; column < FaceState::cellColumns; ++column) {
            int& cell = face.channelCells[size_t(channel)][size_t(column)];
            if (cell == startValues[column]) continue;
            cell = startValues[column];
            if (column == FaceState::reverbCell) out.sendShortMessage(status, reverb, 40);
            if (column == FaceState::chorusCell) out.sendShortMessage(status, chorus, 0);
            if (column == FaceState::autoPanCell) out.sendShortMessage(status, pan, AutoPan::centre);
            // Nothing is fixed any more, so a full paint shows the face's own picture here: drawing the
            // start value over the cell would leave a glyph that the next full paint takes away.
            window.invalidate(face::cellGlyphRect(channel, column));
        }
    }
}

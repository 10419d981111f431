#include "app/PlaySaveMenu.h"

#include "app/Messages.h"
#include "app/PlayedSong.h"
#include "app/SongOpener.h"
#include "resources/CommandIds.h"

bool PlaySaveMenu::handles(int id) const {
    return id == IDM_FILE_SAVE_PLAYED;
}

void PlaySaveMenu::run(int) {
    if (engine_.player().playing() || !face_.songLoaded) return;
    const std::optional<std::string> path =
        dialogs_.chooseFileToSave(settings_.readDir, midiFileFilter, "mid");
    if (!path || path->empty()) return;
    window_.setWaitCursor(true);
    const bool written = files_.writeWholeFile(*path, playedSongAsSmf(engine_));
    window_.setWaitCursor(false);
    if (!written) window_.showMessage(playedSongWriteFailedText);
}

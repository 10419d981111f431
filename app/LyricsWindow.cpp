#include "app/LyricsWindow.h"

#include "resources/CommandIds.h"

bool LyricsWindow::handles(int id) const {
    return id == IDM_LYRICS_WINDOW;
}

void LyricsWindow::run(int id) {
    if (handles(id)) port_.showLyricsWindow(!port_.lyricsWindowShown());
}

void LyricsWindow::reset() {
    view_.reset(player_.lyrics(), ring_);
    port_.showLyrics(view_.moment());
}

void LyricsWindow::tick() {
    if (view_.update(player_.lyrics(), ring_)) port_.showLyrics(view_.moment());
}

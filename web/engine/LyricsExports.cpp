// The lyrics panel's side of the binding: "歌詞…" shows or hides it, and the main window's model says what
// it shows, as it tells the lyrics window, through the web platform; the page looks after each of the
// engine's actions.
#include <emscripten.h>

#include "app/LyricsView.h"
#include "web/engine/Engine.h"

extern "C" {

// Whether the panel changed (shown or hidden, or other words) since the page last looked.
EMSCRIPTEN_KEEPALIVE int velmira_lyrics_changed() {
    const bool changed = engine->platform.lyricsChanged;
    engine->platform.lyricsChanged = false;
    return changed;
}

EMSCRIPTEN_KEEPALIVE int velmira_lyrics_shown() {
    return engine->platform.lyricsShown;
}

// One part of what the panel shows: 0 the title, 1 the words of the line already sung, 2 the rest of the
// line, 3 the next line.
EMSCRIPTEN_KEEPALIVE const char* velmira_lyrics_part(int part) {
    const LyricMoment& moment = engine->platform.lyrics;
    if (part == 0) return handOver(moment.title);
    if (moment.noWords) return handOver(part == 2 ? LyricsView::noWordsText : "");
    if (part == 1) return handOver(moment.line.substr(0, moment.sung));
    if (part == 2) return handOver(moment.line.substr(moment.sung));
    return handOver(moment.next);
}

}  // extern "C"

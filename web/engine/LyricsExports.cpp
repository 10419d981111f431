// The lyrics panel's side of the binding: after each of the engine's actions the page asks what to show,
// which the lyrics view works out from the words the sequencer reported, as the window's tick does.
#include <emscripten.h>

#include "app/LyricsView.h"
#include "web/engine/Engine.h"

namespace {

LyricsView view;
// What the view last saw of the engine: a song loaded (its image, which every load replaces) and a stop are
// the song's start for the view, as the window tells it.
const uint8_t* shownImage = nullptr;
bool wasPlaying = false;

}  // namespace

extern "C" {

// Takes the words sung since the last call; returns whether what the panel shows changed.
EMSCRIPTEN_KEEPALIVE int velmira_lyrics_take() {
    PlaybackEngine& playback = engine->model.engine();
    const LyricSheet& sheet = playback.player().lyrics();
    LyricRing& ring = playback.sequencer().lyrics();
    const bool playing = playback.player().playing();
    const bool restart = playback.song().image().data() != shownImage || (wasPlaying && !playing);
    shownImage = playback.song().image().data();
    wasPlaying = playing;
    if (restart) view.reset(sheet, ring);
    return view.update(sheet, ring) || restart;
}

// Whether a song is loaded: before the first, the panel has nothing to say.
EMSCRIPTEN_KEEPALIVE int velmira_lyrics_shown() {
    return engine->model.engine().song().hasImage();
}

// One part of what the panel shows: 0 the title, 1 the words of the line already sung, 2 the rest of the
// line, 3 the next line.
EMSCRIPTEN_KEEPALIVE const char* velmira_lyrics_part(int part) {
    const LyricMoment& moment = view.moment();
    if (part == 0) return handOver(moment.title);
    if (moment.noWords) return handOver(part == 2 ? LyricsView::noWordsText : "");
    if (part == 1) return handOver(moment.line.substr(0, moment.sung));
    if (part == 2) return handOver(moment.line.substr(moment.sung));
    return handOver(moment.next);
}

}  // extern "C"

// What the page keeps between visits: the settings (as the program keeps them in the registry, here in the
// browser's local storage through the web platform's store), the files the history and the song list name
// (whose bytes the page keeps in IndexedDB), the history's menu items and the loaded song as it was played;
// and the MIDI devices the settings name, the browser's inputs played through the engine's live input as a
// keyboard is in the program.
#include <emscripten.h>

#include <set>
#include <sstream>

#include "app/Messages.h"
#include "app/PlayingSettings.h"
#include "web/engine/Engine.h"

extern "C" {

// Before the start: one entry of the local storage, as the store wrote it; others are passed over.
EMSCRIPTEN_KEEPALIVE int velmira_restore_setting(const char* name, const char* text) {
    if (!engine) engine = new Engine;
    return engine->platform.restore(name, text);
}

// The history's menu items, newest first, one "id<TAB>label" a line.
EMSCRIPTEN_KEEPALIVE const char* velmira_history_items() {
    std::string lines;
    for (const HistoryMenuItem& item : engine->platform.historyItems)
        lines += std::to_string(item.id) + "\t" + item.label + "\n";
    return handOver(lines);
}

// The files the settings name (the history's and the song list's), one a line: the page keeps their bytes,
// and only theirs, so that each entry opens again after a reload.
EMSCRIPTEN_KEEPALIVE const char* velmira_kept_files() {
    std::set<std::string> names(engine->model.settings().settings().songList.begin(),
                                engine->model.settings().settings().songList.end());
    const RecentFiles& history = engine->model.settings().history();
    for (int slot = 0; slot < RecentFiles::capacity; ++slot)
        if (!history.slot(slot).empty()) names.insert(history.slot(slot));
    std::string lines;
    for (const std::string& name : names) lines += name + "\n";
    return handOver(lines);
}

// A file the page handed over, for keeping: its size, -1 when the engine holds no readable file by that name.
EMSCRIPTEN_KEEPALIVE int velmira_file_size(const char* name) {
    const auto file = engine->platform.files.find(name);
    if (file == engine->platform.files.end() || file->second.status != FileData::ok) return -1;
    return int(file->second.bytes.size());
}
EMSCRIPTEN_KEEPALIVE const uint8_t* velmira_file_bytes(const char* name) {
    return engine->platform.files.at(name).bytes.data();
}

// "レジストリを削除して終了" asked the window to close: the page loads itself again.
EMSCRIPTEN_KEEPALIVE int velmira_close_requested() {
    return engine->platform.closeRequested;
}

// The page is going: as the window's destruction, the settings are written back, and, the page's own,
// what the loaded song is played with, for the reload to bring it back (unless the settings were cleared).
EMSCRIPTEN_KEEPALIVE void velmira_destroy() {
    const PlayingSettings playing = engine->model.playingSettings();
    engine->model.onDestroy();
    if (!engine->model.settingsUsable()) return;
    if (playing.song.empty())
        forgetPlayingSettings(engine->platform);
    else
        savePlayingSettings(engine->platform, playing);
}

// After the start, with the kept files back: the song loaded before the reload is opened again, stopped, and
// played as it was (a song whose bytes are not kept stays closed).
EMSCRIPTEN_KEEPALIVE void velmira_restore_playing() {
    const std::optional<PlayingSettings> playing = loadPlayingSettings(engine->platform);
    if (!playing || velmira_file_size(playing->song.c_str()) < 0) return;
    engine->beforeUserAction();
    engine->model.openStartSong(playing->song, false);
    engine->model.restorePlaying(*playing);
}

// The output the page plays to, by its port's name ("MidiOut"; empty for the SoundFont).
EMSCRIPTEN_KEEPALIVE const char* velmira_midi_out_name() {
    return handOver(engine->model.settings().settings().midiOut);
}
EMSCRIPTEN_KEEPALIVE void velmira_keep_midi_out(const char* name) {
    engine->model.settings().settings().midiOut = name;
}
EMSCRIPTEN_KEEPALIVE const char* velmira_midi_access_refused_text() {
    return midiAccessRefusedText;
}

// "MIDI入力": the browser's inputs, one name a line, listed when the browser answers (the saved one opens);
// then which is open (-1: none), and the bytes of one message from it.
EMSCRIPTEN_KEEPALIVE void velmira_set_midi_inputs(const char* names) {
    engine->platform.inputNames.clear();
    std::istringstream lines(names);
    for (std::string line; std::getline(lines, line);) engine->platform.inputNames.push_back(line);
    engine->model.midiInputsChanged();
}
EMSCRIPTEN_KEEPALIVE const char* velmira_midi_in_name() {
    return handOver(engine->model.settings().settings().midiIn);
}
EMSCRIPTEN_KEEPALIVE int velmira_midi_input_open() {
    return engine->platform.openedInput;
}
EMSCRIPTEN_KEEPALIVE void velmira_midi_input(const uint8_t* bytes, int count) {
    if (!engine->platform.inputSink || count <= 0) return;
    engine->beforeUserAction();
    engine->platform.inputSink->receive(bytes, size_t(count));
    engine->afterUserAction();
}
EMSCRIPTEN_KEEPALIVE const char* velmira_midi_input_unavailable_text() {
    return midiInputUnavailableText;
}
}

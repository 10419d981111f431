// The calls the page makes on the engine: the face, the menus, the keys, the timer, the messages sent and
// the effect dialogs.
#include <emscripten.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "app/HotKeys.h"
#include "app/MainWindowModel.h"
#include "playback/MessageLine.h"
#include "resources/DialogIds.h"
#include "web/engine/Engine.h"

Engine* engine = nullptr;

const char* handOver(std::string text) {
    engine->text = std::move(text);
    return engine->text.c_str();
}

extern "C" {

// The skin files and the files the user chose or dropped, by name; a count below 0 for a file the browser
// could not read.
EMSCRIPTEN_KEEPALIVE void velmira_add_file(const char* name, const uint8_t* bytes, int count) {
    if (!engine) engine = new Engine;
    FileData& file = engine->platform.files[name];
    file.status = count < 0 ? FileData::readError : FileData::ok;
    file.bytes.assign(bytes, bytes + std::max(count, 0));
}

// The window's start-up; false when it ends (its message is waiting).
EMSCRIPTEN_KEEPALIVE int velmira_start() {
    if (!engine) engine = new Engine;
    if (!engine->model.loadSprites()) return 0;
    engine->model.loadSettings();
    return engine->model.loadFace();
}

// The answer of the next open dialog ("ファイルを開く", "文章音", "画像音"); empty: cancelled.
EMSCRIPTEN_KEEPALIVE void velmira_choose(const char* name) {
    engine->platform.choice.reset();
    if (*name) engine->platform.choice = name;
}

EMSCRIPTEN_KEEPALIVE int velmira_command(int id) {
    engine->beforeUserAction();
    const bool known = engine->model.onCommand(id);
    engine->afterUserAction();
    return known;
}

// Bit 0 checked, bit 1 enabled.
EMSCRIPTEN_KEEPALIVE int velmira_menu_state(int id) {
    const MenuItemState state = engine->model.menuItemState(id);
    return (state.checked ? 1 : 0) | (state.enabled ? 2 : 0);
}

// A MouseKind at a point of the face. Returns whether the face holds the mouse (an arrow or fast forward is
// held), so that the page sends the release wherever it happens.
EMSCRIPTEN_KEEPALIVE int velmira_mouse(int kind, int x, int y) {
    engine->beforeUserAction();
    MainWindowModel& model = engine->model;
    if (MouseKind(kind) == MouseKind::leftDown) model.leftButtonDown(x, y);
    if (MouseKind(kind) == MouseKind::leftUp) model.leftButtonUp();
    if (MouseKind(kind) == MouseKind::move) model.mouseMove(x, y);
    if (MouseKind(kind) == MouseKind::rightDown) model.rightButtonDown(x, y);
    if (MouseKind(kind) == MouseKind::captionDoubleClick) model.captionDoubleClick();
    if (MouseKind(kind) == MouseKind::captionRight) model.captionRightButton(true);
    engine->afterUserAction();
    return model.holdsMouse();
}

// A key with its Windows key code (the browser's keyCode for these keys); false for keys that are no hot key.
EMSCRIPTEN_KEEPALIVE int velmira_key(int keyCode, int control) {
    for (const HotKeyBinding& binding : hotKeyBindings)
        if (binding.virtualKey == keyCode && binding.control == bool(control))
            return velmira_command(binding.commandId);
    return 0;
}

// Files dropped on the face, one name a line.
EMSCRIPTEN_KEEPALIVE void velmira_drop(const char* names) {
    std::vector<std::string> paths;
    std::istringstream lines(names);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) paths.push_back(line);
    if (paths.empty()) return;
    engine->platform.songName = paths.front();
    engine->beforeUserAction();
    engine->model.dropFiles(paths);
    engine->afterUserAction();
}

// One timer period, as the multimedia timer calls it, then the window's tick handler when it was posted.
// False when no song plays.
EMSCRIPTEN_KEEPALIVE int velmira_tick() {
    WebPlatform& platform = engine->platform;
    if (!platform.timerClient) return 0;
    if (platform.timerStarts != engine->seenStarts) {
        engine->seenStarts = platform.timerStarts;
        engine->periods = 0;
    }
    engine->out.setTime(engine->periods * Sequencer::timerPeriod);
    platform.tickPosted = false;
    platform.timerClient->onTimer();
    if (platform.tickPosted) engine->model.onTick();
    ++engine->periods;
    engine->afterUserAction();
    return 1;
}

EMSCRIPTEN_KEEPALIVE int velmira_playing() {
    return engine->model.playing();
}

// The messages sent to the device since they were last cleared.
EMSCRIPTEN_KEEPALIVE int velmira_message_count() {
    return int(engine->out.messages().size());
}
EMSCRIPTEN_KEEPALIVE const uint8_t* velmira_message_bytes(int i) {
    return engine->out.messages()[size_t(i)].bytes.data();
}
EMSCRIPTEN_KEEPALIVE int velmira_message_size(int i) {
    return int(engine->out.messages()[size_t(i)].bytes.size());
}
// As velmira-render prints it: the time in ms since playback started, then the bytes.
EMSCRIPTEN_KEEPALIVE const char* velmira_message_line(int i) {
    return handOver(RecordingMidiOut::formatLine(engine->out.messages()[size_t(i)]));
}
EMSCRIPTEN_KEEPALIVE void velmira_clear_messages() {
    engine->out.clear();
}

// The face: repaints what was invalidated and returns whether anything was drawn since the last call;
// then the picture (RGBA rows from the top) and the read-outs ("x y text" lines) are ready.
EMSCRIPTEN_KEEPALIVE int velmira_frame() {
    WebPlatform& platform = engine->platform;
    if (platform.faceInvalid) {
        platform.faceInvalid = false;
        RgbaCanvas canvas(engine->face);
        engine->model.paint(canvas);
    }
    const bool drawn = engine->face.drawings != engine->seenDrawings;
    engine->seenDrawings = engine->face.drawings;
    return drawn;
}
EMSCRIPTEN_KEEPALIVE const uint8_t* velmira_face_rgba() {
    return reinterpret_cast<const uint8_t*>(engine->face.pixels.data());
}
EMSCRIPTEN_KEEPALIVE const char* velmira_readouts() {
    std::string lines;
    for (const auto& [origin, text] : engine->face.readouts)
        lines += std::to_string(origin.first) + " " + std::to_string(origin.second) + " " + text + "\n";
    return handOver(lines);
}

// The next message box's text; empty when none waits.
EMSCRIPTEN_KEEPALIVE const char* velmira_take_message() {
    std::deque<std::string>& messages = engine->platform.messages;
    if (messages.empty()) return handOver("");
    std::string text = std::move(messages.front());
    messages.pop_front();
    return handOver(std::move(text));
}
EMSCRIPTEN_KEEPALIVE const char* velmira_title() {
    return handOver(engine->model.windowTitle());
}
EMSCRIPTEN_KEEPALIVE int velmira_large_view() {
    return engine->platform.largeView;
}

// The effect dialogs: which is open (0 none, 1 key signature, 2 pitch map); each works on the dialog's own
// rules, made afresh from the starting values the window gave when it opened.
EMSCRIPTEN_KEEPALIVE int velmira_open_dialog() {
    const int open = int(engine->model.effectDialogs().openDialog());
    WebPlatform& platform = engine->platform;
    if (platform.keySignature)
        engine->keyChoice.emplace(*platform.keySignature), platform.keySignature.reset();
    if (platform.pitchMap) engine->pitchDrawing.emplace(*platform.pitchMap), platform.pitchMap.reset();
    return open;
}

// The key-signature dialog's buttons by their control ids, as the program's dialog takes them: a sign, or a
// count (refused without a sign: false).
EMSCRIPTEN_KEEPALIVE int velmira_key_choose(int controlId) {
    KeySignatureChoice& choice = *engine->keyChoice;
    if (controlId >= IDC_KEY_COUNT_FIRST && controlId <= IDC_KEY_COUNT_LAST)
        return choice.chooseCount(controlId - IDC_KEY_COUNT_FIRST + 1);
    if (controlId == IDC_KEY_SHARPS) choice.chooseSharps();
    if (controlId == IDC_KEY_NONE) choice.chooseNone();
    if (controlId == IDC_KEY_FLATS) choice.chooseFlats();
    return 1;
}
// Whether a button stands for the choice made, as the program's dialog shows it checked.
EMSCRIPTEN_KEEPALIVE int velmira_key_chosen(int controlId) {
    const KeySignature& signature = engine->keyChoice->signature();
    if (controlId >= IDC_KEY_COUNT_FIRST && controlId <= IDC_KEY_COUNT_LAST)
        return signature.count == controlId - IDC_KEY_COUNT_FIRST + 1;
    return controlId == (signature.sign > 0   ? IDC_KEY_SHARPS
                         : signature.sign < 0 ? IDC_KEY_FLATS
                                              : IDC_KEY_NONE);
}
EMSCRIPTEN_KEEPALIVE const char* velmira_key_label() {
    return handOver(engine->keyChoice->label());
}
EMSCRIPTEN_KEEPALIVE void velmira_key_try() {
    engine->beforeUserAction();
    engine->model.effectDialogs().tryKeySignature(engine->keyChoice->signature());
    engine->afterUserAction();
}

// The pitch dialog: a row's bar dragged to a position, or one of its buttons by its control id.
EMSCRIPTEN_KEEPALIVE void velmira_pitch_drag(int row, int position) {
    engine->pitchDrawing->scroll(row, ScrollCode::thumbTrack, position, position);
}
EMSCRIPTEN_KEEPALIVE void velmira_pitch_button(int controlId) {
    engine->pitchDrawing->press(PitchDrawing::Button(controlId - IDC_PITCH_RESET));
}
EMSCRIPTEN_KEEPALIVE int velmira_pitch_position(int row) {
    return engine->pitchDrawing->pitch(row);
}
EMSCRIPTEN_KEEPALIVE const char* velmira_pitch_label(int row) {
    return handOver(engine->pitchDrawing->label(row));
}
EMSCRIPTEN_KEEPALIVE void velmira_pitch_try() {
    engine->beforeUserAction();
    engine->model.effectDialogs().tryPitchMap(engine->pitchDrawing->toPitchMap());
    engine->afterUserAction();
}

EMSCRIPTEN_KEEPALIVE void velmira_close_effect_dialog() {
    engine->beforeUserAction();
    engine->model.effectDialogs().dialogClosing();
    engine->afterUserAction();
}

// "演奏を保存": the file written by the last save, then forgotten; its size is 0 when none waits.
EMSCRIPTEN_KEEPALIVE const char* velmira_saved_name() {
    return engine->platform.saved.first.c_str();
}
EMSCRIPTEN_KEEPALIVE const uint8_t* velmira_saved_bytes() {
    return engine->platform.saved.second.data();
}
EMSCRIPTEN_KEEPALIVE int velmira_saved_size() {
    return int(engine->platform.saved.second.size());
}
EMSCRIPTEN_KEEPALIVE void velmira_forget_saved() {
    engine->platform.saved = {};
}
}

// The calls the page makes on the engine for the tone dialog, the song list's window and the help: each is
// the Windows program's on the same portable rules, only drawn by the page.
#include <emscripten.h>

#include <utility>

#include "app/SongListWindow.h"
#include "images/LittleEndian.h"
#include "images/PluginPicture.h"
#include "web/engine/Engine.h"

namespace {
std::string joinedLines(const std::vector<std::string>& rows) {
    std::string lines;
    for (const std::string& row : rows) lines += row + "\n";
    return lines;
}
}  // namespace

extern "C" {

// The tone dialog, opened by a click on the face's tone column: whether it is open, then its label, its
// rows (one a line) and the row it opens on.
EMSCRIPTEN_KEEPALIVE int velmira_tone_open() {
    return engine->platform.toneDialog.has_value();
}
EMSCRIPTEN_KEEPALIVE const char* velmira_tone_label() {
    return handOver(engine->platform.toneDialog->label());
}
EMSCRIPTEN_KEEPALIVE const char* velmira_tone_rows() {
    const ToneDialogModel& dialog = *engine->platform.toneDialog;
    std::vector<std::string> rows;
    for (int row = 0; row < dialog.rowCount(); ++row) rows.emplace_back(dialog.rowName(row));
    return handOver(joinedLines(rows));
}
EMSCRIPTEN_KEEPALIVE int velmira_tone_initial() {
    return engine->platform.toneDialog->initialSelection();
}
// The list's selection moved: 0 heard, 1 refused (the list must then show no selection), 2 ignored.
EMSCRIPTEN_KEEPALIVE int velmira_tone_select(int row) {
    engine->beforeUserAction();
    const ToneDialogModel::Selection selection = engine->platform.toneDialog->select(row);
    engine->afterUserAction();
    return int(selection);
}
// OK (1) or Cancel (0, also Esc); the dialog is closed afterwards.
EMSCRIPTEN_KEEPALIVE void velmira_tone_close(int ok) {
    engine->beforeUserAction();
    ToneDialogModel& dialog = *engine->platform.toneDialog;
    ok ? dialog.ok() : dialog.cancel();
    engine->platform.toneDialog.reset();
    engine->afterUserAction();
}

// The song list's window: whether "曲目一覧…" asked to show it since the last call; its rows (one a line)
// and the row of the loaded song (-1 none).
EMSCRIPTEN_KEEPALIVE int velmira_song_list_opening() {
    return std::exchange(engine->platform.songListOpening, false);
}
EMSCRIPTEN_KEEPALIVE const char* velmira_song_list_rows() {
    return handOver(joinedLines(engine->platform.songList.rows));
}
EMSCRIPTEN_KEEPALIVE int velmira_song_list_marked() {
    return engine->platform.songList.marked;
}
// The action of a key pressed in the list (0 none, 1 play, 2 remove, 3 up, 4 down), by its Windows key code.
EMSCRIPTEN_KEEPALIVE int velmira_song_list_key(int keyCode, int alt) {
    return int(songListActionForKey(keyCode, alt));
}
// An action on a row; returns the row to select afterwards (-1 none).
EMSCRIPTEN_KEEPALIVE int velmira_song_list_act(int action, int row) {
    engine->beforeUserAction();
    const int selected = engine->model.songListAction(SongListWindow::Action(action), row);
    engine->afterUserAction();
    return selected;
}

// Whether "トピックの検索" asked for the help since the last call.
EMSCRIPTEN_KEEPALIVE int velmira_help_opening() {
    return std::exchange(engine->platform.helpOpening, false);
}

// "背景画変更": a picture the browser decoded, as RGBA rows from the top, for the file of that name (no
// pixels: the page had no memory for them). It is handed over as a plug-in hands its picture to the program,
// under the same rules; asked first without its pixels, which then only the size can refuse, so that a
// picture too large is never copied.
EMSCRIPTEN_KEEPALIVE void velmira_add_picture(const char* name, const uint8_t* rgba, int width, int height) {
    uint8_t info[DibImage::infoHeaderSize] = {};
    writeLe32(info, DibImage::infoHeaderSize);
    writeLe32(info + 4, uint32_t(width));
    writeLe32(info + 8, uint32_t(height));
    writeLe16(info + 12, 1);
    writeLe16(info + 14, 24);
    WebPlatform::DecodedPicture& decoded = engine->platform.decodedPictures[name];
    ImageError error = pictureFromPluginBlocks(info, sizeof info, nullptr, 0, decoded.picture);
    if (error == ImageError::damaged && !rgba) error = ImageError::noMemory;
    if (error == ImageError::damaged && width > 0 && height > 0) {
        std::vector<uint8_t> bits(DibImage::rowStride(width, 24) * size_t(height));
        for (int y = 0; y < height; ++y) {
            const uint8_t* from = rgba + size_t(y) * size_t(width) * 4;
            uint8_t* to = bits.data() + size_t(height - 1 - y) * DibImage::rowStride(width, 24);
            for (int x = 0; x < width; ++x, from += 4, to += 3)
                to[0] = from[2], to[1] = from[1], to[2] = from[0];
        }
        error = pictureFromPluginBlocks(info, sizeof info, bits.data(), bits.size(), decoded.picture);
    }
    decoded.result = PluginResult::fromPicture(error);
}

// A page is never asked to close: the close request's question on a new face is asked once it is made
// (while stopped, so the request stops nothing).
EMSCRIPTEN_KEEPALIVE void velmira_offer_face() {
    engine->platform.decodedPictures.clear();
    if (engine->model.playing()) return;
    engine->beforeUserAction();
    engine->model.prepareToClose();
    engine->afterUserAction();
}
// The face saved since the page last kept one (size 0: none), then forgotten.
EMSCRIPTEN_KEEPALIVE const uint8_t* velmira_kept_face_bytes() {
    return engine->platform.keptFace.data();
}
EMSCRIPTEN_KEEPALIVE int velmira_kept_face_size() {
    return int(engine->platform.keptFace.size());
}
EMSCRIPTEN_KEEPALIVE void velmira_forget_kept_face() {
    engine->platform.keptFace.clear();
}
}

#include "app/HotKeys.h"

#include "app/FaceLayout.h"
#include "resources/CommandIds.h"

namespace {
void clickAndRelease(FaceControls& controls, const face::Rect& button) {
    const int x = (button.left + button.right) / 2;
    const int y = (button.top + button.bottom) / 2;
    controls.leftButtonDown(x, y);
    controls.leftButtonUp();
}

const face::Rect* arrowHot(FaceAction action) {
    switch (action) {
        case FaceAction::transposeUp:
            return &face::transposeField.up.hot;
        case FaceAction::transposeDown:
            return &face::transposeField.down.hot;
        case FaceAction::tempoUp:
            return &face::tempoField.up.hot;
        case FaceAction::tempoDown:
            return &face::tempoField.down.hot;
        case FaceAction::volumeUp:
            return &face::volumeField.up.hot;
        case FaceAction::volumeDown:
            return &face::volumeField.down.hot;
        default:
            return nullptr;
    }
}
}  // namespace

const std::array<HotKeyBinding, 14> hotKeyBindings = {{
    {HotKey::space, virtualKey::space, false, IDM_HOTKEY_SPACE},
    {HotKey::ctrlO, virtualKey::letterO, true, IDM_HOTKEY_CTRL_O},
    {HotKey::up, virtualKey::up, false, IDM_HOTKEY_UP},
    {HotKey::down, virtualKey::down, false, IDM_HOTKEY_DOWN},
    {HotKey::left, virtualKey::left, false, IDM_HOTKEY_LEFT},
    {HotKey::right, virtualKey::right, false, IDM_HOTKEY_RIGHT},
    {HotKey::pageUp, virtualKey::pageUp, false, IDM_HOTKEY_PAGE_UP},
    {HotKey::pageDown, virtualKey::pageDown, false, IDM_HOTKEY_PAGE_DOWN},
    {HotKey::ctrlLeft, virtualKey::left, true, IDM_HOTKEY_CTRL_LEFT},
    {HotKey::ctrlRight, virtualKey::right, true, IDM_HOTKEY_CTRL_RIGHT},
    {HotKey::home, virtualKey::home, false, IDM_HOTKEY_HOME},
    {HotKey::ctrlPageDown, virtualKey::pageDown, true, IDM_HOTKEY_CTRL_PAGE_DOWN},
    {HotKey::ctrlPageUp, virtualKey::pageUp, true, IDM_HOTKEY_CTRL_PAGE_UP},
    {HotKey::ctrlL, virtualKey::letterL, true, IDM_HOTKEY_CTRL_L},
}};

std::optional<HotKey> hotKeyForCommand(int commandId) {
    for (const HotKeyBinding& binding : hotKeyBindings)
        if (binding.commandId == commandId) return binding.key;
    return std::nullopt;
}

FaceAction faceActionForKey(HotKey key, const FaceState& face, bool playing) {
    if (face.effectDialogOpen) return FaceAction::none;
    switch (key) {
        case HotKey::space:
            return playing ? FaceAction::stop : FaceAction::play;
        case HotKey::ctrlO:
            return FaceAction::openSong;
        case HotKey::up:
            return FaceAction::transposeUp;
        case HotKey::down:
            return FaceAction::transposeDown;
        case HotKey::left:
            return FaceAction::tempoDown;
        case HotKey::right:
            return FaceAction::tempoUp;
        case HotKey::pageUp:
            return FaceAction::volumeUp;
        case HotKey::pageDown:
            return FaceAction::volumeDown;
        case HotKey::ctrlLeft:
            return FaceAction::jumpBack;
        case HotKey::ctrlRight:
            return FaceAction::jumpForward;
        case HotKey::home:
            return FaceAction::jumpToStart;
        case HotKey::ctrlPageDown:
            return FaceAction::nextSong;
        case HotKey::ctrlPageUp:
            return FaceAction::previousSong;
        case HotKey::ctrlL:
            return FaceAction::lyricsWindow;
    }
    return FaceAction::none;
}

int commandForAction(FaceAction action) {
    switch (action) {
        case FaceAction::openSong:
            return IDM_FILE_OPEN;
        case FaceAction::jumpBack:
            return IDM_JUMP_BACK;
        case FaceAction::jumpForward:
            return IDM_JUMP_FORWARD;
        case FaceAction::jumpToStart:
            return IDM_JUMP_START;
        case FaceAction::nextSong:
            return IDM_SONGS_NEXT;
        case FaceAction::previousSong:
            return IDM_SONGS_PREVIOUS;
        case FaceAction::lyricsWindow:
            return IDM_LYRICS_WINDOW;
        default:
            return 0;
    }
}

FaceAction pressHotKey(HotKey key, FaceControls& controls, const FaceState& face, bool playing) {
    const FaceAction action = faceActionForKey(key, face, playing);
    if (action == FaceAction::play) {
        if (face.largeView)
            clickAndRelease(controls, face::playHot);
        else
            controls.captionDoubleClick();
    } else if (action == FaceAction::stop) {
        if (face.largeView)
            clickAndRelease(controls, face::stopHot);
        else
            controls.captionRightButton(true);
    } else if (const face::Rect* arrow = arrowHot(action)) {
        clickAndRelease(controls, *arrow);
    }
    return action;
}

bool HotKeyArea::handles(int id) const {
    return hotKeyForCommand(id).has_value();
}

void HotKeyArea::run(int id) {
    const std::optional<HotKey> key = hotKeyForCommand(id);
    if (!key) return;
    if (const int command = commandForAction(pressHotKey(*key, controls_, face_, player_.playing())))
        runCommand_(command);
}

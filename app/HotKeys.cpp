#include "app/HotKeys.h"

#include "app/FaceLayout.h"
#include "resources/CommandIds.h"

namespace {
// Windows' virtual-key codes of the keys used.
constexpr int keySpace = 0x20, keyPageUp = 0x21, keyPageDown = 0x22, keyHome = 0x24, keyLeft = 0x25,
              keyUp = 0x26, keyRight = 0x27, keyDown = 0x28, keyO = 0x4F;
constexpr int firstHotKeyCommand = 40600;

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

const std::array<HotKeyBinding, 13> hotKeyBindings = {{
    {HotKey::space, keySpace, false, firstHotKeyCommand},
    {HotKey::ctrlO, keyO, true, firstHotKeyCommand + 1},
    {HotKey::up, keyUp, false, firstHotKeyCommand + 2},
    {HotKey::down, keyDown, false, firstHotKeyCommand + 3},
    {HotKey::left, keyLeft, false, firstHotKeyCommand + 4},
    {HotKey::right, keyRight, false, firstHotKeyCommand + 5},
    {HotKey::pageUp, keyPageUp, false, firstHotKeyCommand + 6},
    {HotKey::pageDown, keyPageDown, false, firstHotKeyCommand + 7},
    {HotKey::ctrlLeft, keyLeft, true, firstHotKeyCommand + 8},
    {HotKey::ctrlRight, keyRight, true, firstHotKeyCommand + 9},
    {HotKey::home, keyHome, false, firstHotKeyCommand + 10},
    {HotKey::ctrlPageDown, keyPageDown, true, firstHotKeyCommand + 11},
    {HotKey::ctrlPageUp, keyPageUp, true, firstHotKeyCommand + 12},
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

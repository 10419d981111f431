#include "app/HotKeys.h"

#include "app/FaceLayout.h"
#include "resources/CommandIds.h"

namespace {
// Windows' virtual-key codes of the keys used.
constexpr int keySpace = 0x20, keyPageUp = 0x21, keyPageDown = 0x22, keyLeft = 0x25, keyUp = 0x26,
              keyRight = 0x27, keyDown = 0x28, keyO = 0x4F;

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

const std::array<HotKeyBinding, 8> hotKeyBindings = {{
    {HotKey::space, keySpace, false, IDM_HOTKEY_SPACE},
    {HotKey::ctrlO, keyO, true, IDM_HOTKEY_CTRL_O},
    {HotKey::up, keyUp, false, IDM_HOTKEY_UP},
    {HotKey::down, keyDown, false, IDM_HOTKEY_DOWN},
    {HotKey::left, keyLeft, false, IDM_HOTKEY_LEFT},
    {HotKey::right, keyRight, false, IDM_HOTKEY_RIGHT},
    {HotKey::pageUp, keyPageUp, false, IDM_HOTKEY_PAGE_UP},
    {HotKey::pageDown, keyPageDown, false, IDM_HOTKEY_PAGE_DOWN},
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
    }
    return FaceAction::none;
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

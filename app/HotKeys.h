#pragma once
#include <array>
#include <functional>
#include <optional>

#include "app/FaceControls.h"
#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "playback/Player.h"

// Windows' virtual-key codes of the keys the window's rules know, for the code that does not see Windows.
namespace virtualKey {
constexpr int enter = 0x0D, space = 0x20, pageUp = 0x21, pageDown = 0x22, home = 0x24, left = 0x25, up = 0x26,
              right = 0x27, down = 0x28, deleteKey = 0x2E, letterL = 0x4C, letterO = 0x4F;
}  // namespace virtualKey

// The keyboard: each hot key presses a control of the face, exactly as a click on it would, so it keeps
// the face's limits, refusals and messages. None works while an effect dialog is open.
enum class HotKey {
    space,
    ctrlO,
    up,
    down,
    left,
    right,
    pageUp,
    pageDown,
    ctrlLeft,
    ctrlRight,
    home,
    ctrlPageDown,
    ctrlPageUp,
    ctrlL
};

enum class FaceAction {
    none,
    play,
    stop,
    // Not on the face: the window runs the command of commandForAction.
    openSong,
    jumpBack,
    jumpForward,
    jumpToStart,
    nextSong,
    previousSong,
    transposeUp,
    transposeDown,
    tempoUp,
    tempoDown,
    volumeUp,
    volumeDown,
    lyricsWindow,
};

// One row of the window's accelerator table. virtualKey is the Windows key code; commandId is the
// WM_COMMAND id the accelerator sends (a range the menu does not use).
struct HotKeyBinding {
    HotKey key;
    int virtualKey;
    bool control;
    int commandId;
};
extern const std::array<HotKeyBinding, 14> hotKeyBindings;

std::optional<HotKey> hotKeyForCommand(int commandId);

// What a key asks for now: Space plays while stopped and stops while playing.
FaceAction faceActionForKey(HotKey key, const FaceState& face, bool playing);

// The menu command (resources/CommandIds.h) of an action that is not on the face; 0 for the face's own.
int commandForAction(FaceAction action);

// The window's handler of a hot key's command: presses the face control for the key (a click and its
// release on the button; the caption's play and stop in the compact view, which has no face buttons).
// Returns the action; the commands of commandForAction are left to the window.
FaceAction pressHotKey(HotKey key, FaceControls& controls, const FaceState& face, bool playing);

// The commands of the accelerator table (see hotKeyBindings): each presses its face control or runs its
// menu command (commandForAction). They have no menu items, so their state is never asked for.
class HotKeyArea : public MenuArea {
  public:
    HotKeyArea(FaceControls& controls, const FaceState& face, const Player& player,
               std::function<void(int)> runCommand)
        : controls_(controls), face_(face), player_(player), runCommand_(std::move(runCommand)) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    FaceControls& controls_;
    const FaceState& face_;
    const Player& player_;
    std::function<void(int)> runCommand_;
};

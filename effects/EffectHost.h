#pragma once
#include <optional>

#include "effects/EffectSettings.h"
#include "effects/EffectTimeQuestion.h"

// What the effect menu needs of the main window: its state, playback, the cursor and the close command.
class EffectHost {
  public:
    virtual ~EffectHost() = default;
    virtual bool playing() const = 0;
    virtual bool songLoaded() const = 0;
    virtual EffectSettings& effectSettings() = 0;
    // Stops as the user's stop command does, which also ends a loop over the song list.
    virtual void stopPlayback() = 0;
    // Plays the song from its beginning.
    virtual void startPlayback() = 0;
    // An effect dialog opened (true) or closed (false): meanwhile the face's play, stop and fast forward
    // are ignored, so that only the dialog's tries start and stop playback. The host keeps it, once for the
    // face and the dialogs alike.
    virtual void effectDialogOpen(bool open) = 0;
    virtual bool effectDialogOpen() const = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    // The close command of the window's system menu, greyed while an effect dialog is open.
    virtual void enableCloseCommand(bool enabled) = 0;
};

// What the effect menu asks of the platform's dialogs: its message box and its dialogs.
class EffectDialogPort {
  public:
    virtual ~EffectDialogPort() = default;
    // "効果時間" refused: the window words the reason.
    virtual void showRefusal(EffectTimeRefusal refusal) = 0;
    // The effect-time dialog, modal: the seconds chosen, or nothing when it was cancelled.
    virtual std::optional<int32_t> askEffectTime(const EffectTimeQuestion& question) = 0;
    // The modeless dialogs, opened over the main window with these starting values.
    virtual void openKeySignatureDialog(const KeySignature& initial) = 0;
    virtual void openPitchDialog(const PitchMap& initial) = 0;
};

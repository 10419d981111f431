#pragma once
#include "effects/EffectHost.h"
#include "effects/EffectMenuItems.h"

// The main window's side of the two modeless effect dialogs: opening one at a time, the tries that store
// the dialog's choice and play the song again from its beginning, and the closing that moves the check
// mark to the effect in use.
class EffectDialogSession {
  public:
    enum class OpenDialog { none = 0, keySignature = 1, pitchMap = 2 };

    EffectDialogSession(EffectHost& host, EffectDialogPort& port, EffectCheckMark& mark)
        : host_(host), port_(port), mark_(mark) {}

    // "変位記号" and "好きにして": refused while playing, before a song is loaded, or while a dialog is open.
    void openKeySignatureDialog();
    void openPitchDialog();

    // "試行" of the key-signature dialog (message 0x0464) and of the pitch dialog (0x0465).
    void tryKeySignature(const KeySignature& chosen);
    void tryPitchMap(const PitchMap& drawn);
    // "終了" of either dialog (0x0469).
    void dialogClosing();

    OpenDialog openDialog() const { return host_.effectDialogOpen() ? kind_ : OpenDialog::none; }
    // While a dialog is open only its tries start and stop playback: the face's play, stop and fast
    // forward are ignored.
    bool transportAllowed() const { return !host_.effectDialogOpen(); }

  private:
    bool mayOpen() const;
    void open(OpenDialog which);
    template <typename Store>
    void tryAndPlay(Store store);

    EffectHost& host_;
    EffectDialogPort& port_;
    EffectCheckMark& mark_;
    // Which dialog was opened last; whether one is open is the host's to say.
    OpenDialog kind_ = OpenDialog::none;
};

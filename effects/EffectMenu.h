#pragma once
#include "effects/EffectDialogSession.h"
#include "effects/EffectHost.h"
#include "effects/EffectMenuItems.h"

// The menu "効果": choosing an effect, the effect time window, opening the two effect dialogs, and the
// check mark. The main window hands it the menu's command ids and asks it for the marks.
class EffectMenu {
  public:
    EffectMenu(EffectHost& host, EffectDialogPort& port)
        : host_(host), port_(port), dialogs_(host, port, mark_) {}

    bool handles(int id) const;
    void run(int id);
    bool checked(int id) const { return mark_.checked(id); }

    // A song was loaded: its effect settings start over, and the mark with them.
    void resetForSong() { mark_.show(EffectType::none); }

    // The nine styles and images and "効果なし": refused while playing or before a song is loaded. The
    // effect takes hold at the next playback start.
    void selectEffect(EffectType type);
    // "効果時間": asks for the start, then the end; a cancel in either question gives the whole song.
    void setEffectTime();

    EffectDialogSession& dialogs() { return dialogs_; }

  private:
    bool refused() const { return host_.playing() || !host_.songLoaded(); }

    EffectHost& host_;
    EffectDialogPort& port_;
    EffectCheckMark mark_;
    EffectDialogSession dialogs_;
};

#pragma once
#include <functional>

#include "resources/CommandIds.h"
#include "tones/SoundModule.h"

// The menu "音源": one item per module, the checked one naming the module in use. The module may change
// only while no song plays, since the face and the tone dialog read it during playback; a change sends
// nothing to the device and takes effect at the next use of the lists.
class SoundModuleMenu {
  public:
    static constexpr int sc88Item = IDM_MODULE_SC88;
    static constexpr int sc55Item = IDM_MODULE_SC55;
    static constexpr int sb16Item = IDM_MODULE_SB16;

    // `module` is the window's setting, which this menu changes; `playing` says whether a song plays.
    SoundModuleMenu(SoundModule& module, std::function<bool()> playing);

    bool handles(int id) const;
    // Selects the item's module, unless a song is playing (then the command is ignored).
    void run(int id);
    bool checked(int id) const;

  private:
    SoundModule& module_;
    std::function<bool()> playing_;
};

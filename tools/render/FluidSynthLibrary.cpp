#include "tools/render/FluidSynthLibrary.h"

#include <dlfcn.h>

namespace {
// The library of the FluidSynth 2 interface the renderer is compiled against.
const char* const libraryName = "libfluidsynth.so.3";

template <typename Function>
bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

bool open(FluidSynthLibrary& fluid) {
    void* library = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    return find(library, "fluid_set_log_function", fluid.setLogFunction) &&
           find(library, "new_fluid_settings", fluid.newSettings) &&
           find(library, "delete_fluid_settings", fluid.deleteSettings) &&
           find(library, "fluid_settings_setnum", fluid.settingsSetnum) &&
           find(library, "new_fluid_synth", fluid.newSynth) &&
           find(library, "delete_fluid_synth", fluid.deleteSynth) &&
           find(library, "fluid_is_soundfont", fluid.isSoundfont) &&
           find(library, "fluid_synth_sfload", fluid.sfload) &&
           find(library, "fluid_synth_write_s16", fluid.writeS16) &&
           find(library, "fluid_synth_noteoff", fluid.noteoff) &&
           find(library, "fluid_synth_noteon", fluid.noteon) &&
           find(library, "fluid_synth_key_pressure", fluid.keyPressure) &&
           find(library, "fluid_synth_cc", fluid.cc) &&
           find(library, "fluid_synth_program_change", fluid.programChange) &&
           find(library, "fluid_synth_channel_pressure", fluid.channelPressure) &&
           find(library, "fluid_synth_pitch_bend", fluid.pitchBend) &&
           find(library, "fluid_synth_sysex", fluid.sysex);
}
}  // namespace

const FluidSynthLibrary* fluidSynthLibrary() {
    static FluidSynthLibrary fluid{};
    static const bool opened = open(fluid);
    return opened ? &fluid : nullptr;
}

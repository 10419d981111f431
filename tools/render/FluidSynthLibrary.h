#pragma once
#include <fluidsynth.h>

// FluidSynth, opened when the first WAV file is rendered rather than linked: the library brings some sixty
// shared libraries with it, whose loading would cost every run of the renderer more than most songs take
// to play. Only the functions the WAV output calls are looked up.
struct FluidSynthLibrary {
    decltype(&::fluid_set_log_function) setLogFunction;
    decltype(&::new_fluid_settings) newSettings;
    decltype(&::delete_fluid_settings) deleteSettings;
    decltype(&::fluid_settings_setnum) settingsSetnum;
    decltype(&::new_fluid_synth) newSynth;
    decltype(&::delete_fluid_synth) deleteSynth;
    decltype(&::fluid_is_soundfont) isSoundfont;
    decltype(&::fluid_synth_sfload) sfload;
    decltype(&::fluid_synth_write_s16) writeS16;
    decltype(&::fluid_synth_noteoff) noteoff;
    decltype(&::fluid_synth_noteon) noteon;
    decltype(&::fluid_synth_key_pressure) keyPressure;
    decltype(&::fluid_synth_cc) cc;
    decltype(&::fluid_synth_program_change) programChange;
    decltype(&::fluid_synth_channel_pressure) channelPressure;
    decltype(&::fluid_synth_pitch_bend) pitchBend;
    decltype(&::fluid_synth_sysex) sysex;
};

// The library with every function found, or nothing when it is not installed or lacks one. Opened once;
// it stays loaded until the program ends.
const FluidSynthLibrary* fluidSynthLibrary();

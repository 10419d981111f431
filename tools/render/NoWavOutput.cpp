// The Windows build of velmira-render has no synthesizer to render with.
#include "tools/render/WavOutput.h"

std::string renderWav(const std::vector<RecordingMidiOut::Message>&, const std::string&, const std::string&) {
    return "--wav needs the native build, which has FluidSynth";
}

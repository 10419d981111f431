// The Windows build of velmira-render has no synthesizer to render with.
#include "tools/render/WavOutput.h"

std::unique_ptr<WavRendering> startWavRendering(const std::string&, std::ostream&, std::string& problem,
                                                int64_t) {
    problem = "--wav needs the native build, which has FluidSynth";
    return nullptr;
}

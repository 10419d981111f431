// velmira-render --input's reader and the live input behind it: any text, played without a song.
#include "fuzz/FuzzInput.h"
#include "tools/render/RenderInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input = FuzzInput(data, size).file();
    std::ostringstream err;
    RenderOptions options;
    options.effect.type = EffectType(size % 10);
    options.doubleChannel = 0;
    const auto messages = renderWithInput(std::nullopt, options, input, err);
    // Each byte of input sends at most a release of what one note sounded and the note's two keys; the end
    // adds the 48 messages of a stop.
    if (messages && messages->size() > 4 * size + 48) __builtin_trap();
    return 0;
}

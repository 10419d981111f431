#include "generators/TextSound.h"

#include <istream>
#include <new>

GeneratorError checkTextSize(uint64_t length) {
    if (length > maxTextSourceSize) return GeneratorError::textTooLarge;
    if (length < minTextSourceSize) return GeneratorError::textTooSmall;
    return GeneratorError::none;
}

GeneratorError readTextSource(std::istream& in, std::vector<uint8_t>& text) {
    const std::streampos start = in.tellg();
    in.seekg(0, std::ios::end);
    const std::streampos end = in.tellg();
    if (!in || start == std::streampos(-1) || end < start) return GeneratorError::textUnreadable;
    const GeneratorError sizeError = checkTextSize(uint64_t(end - start));
    if (sizeError != GeneratorError::none) return sizeError;
    in.seekg(start);
    try {
        text.assign(size_t(end - start), 0);
    } catch (const std::bad_alloc&) {
        return GeneratorError::noMemory;
    }
    in.read(reinterpret_cast<char*>(text.data()), std::streamsize(text.size()));
    if (size_t(in.gcount()) != text.size()) {
        text.clear();
        return GeneratorError::textUnreadable;
    }
    return GeneratorError::none;
}

GeneratedSong buildTextSong(const std::vector<uint8_t>& text, PseudoRandom& random) {
    const GeneratorError sizeError = checkTextSize(text.size());
    if (sizeError != GeneratorError::none) return GeneratedSong::failure(sizeError);
    return buildSong(BuildMode::text, text, random);
}

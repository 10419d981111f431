// The song's words: texts of any bytes in either encoding, then the same bytes as a song whose sheet is
// read and asked for the moment of every position. Whatever the bytes, the text shown is valid UTF-8 and
// nothing is read outside the event or the image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "playback/LyricSheet.h"
#include "playback/LyricText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Texts split at each 00 byte, as separate events.
    std::vector<LyricBytes> texts;
    for (size_t start = 0, at = 0; at <= size; ++at) {
        if (at < size && data[at] != 0) continue;
        texts.push_back({data + start, at - start});
        start = at + 1;
    }
    const LyricEncoding chosen = chooseLyricEncoding(texts);
    for (const LyricBytes& text : texts)
        for (const LyricEncoding encoding : {chosen, LyricEncoding::shiftJis, LyricEncoding::utf8}) {
            const std::string shown = lyricAsUtf8(text, encoding);
            if (!isUtf8({reinterpret_cast<const uint8_t*>(shown.data()), shown.size()})) std::abort();
        }

    SongBuffer song;
    song.assign(std::vector<uint8_t>(data, data + size));
    song.readHeader();
    const LyricSheet sheet = LyricSheet::read(song);
    for (int32_t position = -1; position <= song.size(); ++position) {
        const LyricMoment moment = sheet.moment(position);
        if (moment.sung > moment.line.size()) std::abort();
    }
    return 0;
}

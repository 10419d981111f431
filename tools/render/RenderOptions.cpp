#include "tools/render/RenderOptions.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/MasterVolume.h"

namespace {
const char* const usageFormat =
    "usage: velmira-render [options] FILE.mid\n"
    "       velmira-render [options] --from-text FILE | --from-picture FILE.bmp | --from-seed N\n"
    "       velmira-render [options] --input FILE [SONG]\n"
    "  --effect N             pitch effect %d-%d, %d or %d (%d none, %d-%d scales, %d key "
    "signature, %d pitch map)\n"
    "  --window START END     remap only between these seconds of playing time (inclusive)\n"
    "  --keysig SIGN COUNT    key signature: SIGN 1 sharps, 0 none, -1 flats; COUNT 0-%d\n"
    "  --pitchmap E0,...,E11  semitones per pitch class C..B; 100 or more silences it\n"
    "  --transpose N          transpose by N semitones (-%d..%d)\n"
    "  --solo CH              only channel CH (0-15) sounds\n"
    "  --mute CH              silence channel CH (repeatable)\n"
    "  --double CH            double channel CH an octave lower\n"
    "  --volume PERCENT       master volume %d-%d\n"
    "  --start SECONDS        jump to this second first, as the window's jump does\n"
    "  --jump AT:TO           at second AT of play time jump to second TO (repeatable, in order)\n"
    "  --out FILE             write the messages to FILE instead of standard output\n"
    "  --smf FILE.mid         also write what was sent as a format 0 MIDI file\n"
    "  --wav FILE.wav         also render what was sent to audio with FluidSynth\n"
    "  --soundfont FILE.sf2   the soundfont for --wav (default: FluidR3 General MIDI)\n"
    "  --from-text FILE       play the song made of a text file of 256-16000 bytes\n"
    "  --from-picture FILE    play the song made of an 8- or 24-bit BMP picture\n"
    "  --from-seed N          play the random song of clock value N (0-2147483647: seconds since\n"
    "                         1970, UTC)\n"
    "  --song-out FILE.mid    also write the song as built, before it is played\n"
    "  --input FILE           also play a recorded MIDI input, one message a line: microseconds,\n"
    "                         a tab, the bytes in hex (a line of velmira.exe /out:record=FILE too)\n"
    "  --lyrics               print the song's words as they are sung instead, a line each: the time\n"
    "                         in ms, L (H for a karaoke header) and the text in UTF-8\n"
    "  --help                 show this text\n"
    "Each output line is the time in ms (10 per timer tick) and the message bytes in hex; the time is the\n"
    "song's play time, which after a jump goes on from the second jumped to.\n";

int effectNumber(EffectType type) {
    return int(type);
}

std::string fromTo(int low, int high) {
    return "from " + std::to_string(low) + " to " + std::to_string(high);
}

// The random generator draws bits 16-30 of its state: seeds that differ only in bit 31 make the same song.
constexpr long maxSeed = 0x7FFFFFFF;

// A whole number written plainly: an optional minus and digits, nothing before or after (strtol alone
// would take leading blanks and a plus, and wrap a minus into an unsigned value).
bool parseInt(const std::string& text, long low, long high, int& value) {
    const size_t digits = text.size() > 0 && text[0] == '-' ? 1 : 0;
    if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (errno != 0 || parsed < low || parsed > high) return false;
    value = int(parsed);
    return true;
}

bool parsePitchMap(const std::string& text, PitchMap& map) {
    size_t start = 0;
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
        const size_t comma = text.find(',', start);
        const bool last = pitchClass == 11;
        if (last != (comma == std::string::npos)) return false;
        const std::string entry = text.substr(start, last ? std::string::npos : comma - start);
        if (!parseInt(entry, -127, 1000, map.entries[size_t(pitchClass)])) return false;
        start = comma + 1;
    }
    return true;
}
}  // namespace

std::string renderUsage() {
    std::vector<char> text(std::strlen(usageFormat) + 64);
    std::snprintf(text.data(), text.size(), usageFormat, effectNumber(EffectType::none),
                  effectNumber(EffectType::suspense), effectNumber(EffectType::keySignature),
                  effectNumber(EffectType::customMap), effectNumber(EffectType::none),
                  effectNumber(EffectType::folk), effectNumber(EffectType::suspense),
                  effectNumber(EffectType::keySignature), effectNumber(EffectType::customMap),
                  KeySignature::maxCount, LiveControls::maxKeyShift, LiveControls::maxKeyShift,
                  minMasterVolume, maxMasterVolume);
    return text.data();
}

ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    RenderOptions& options = parsed.options;
    auto fail = [&](const std::string& why) {
        parsed.error = why;
        return parsed;
    };

    bool songChosen = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        auto value = [&](size_t offset) -> const std::string* {
            return i + offset < arguments.size() ? &arguments[i + offset] : nullptr;
        };
        auto intValue = [&](long low, long high, int& out) {
            const std::string* text = value(1);
            if (!text || !parseInt(*text, low, high, out)) return false;
            ++i;
            return true;
        };
        int number = 0;
        if (option == "--help") {
            options.help = true;
        } else if (option == "--lyrics") {
            options.lyrics = true;
        } else if (option == "--effect") {
            if (!intValue(0, int(EffectType::customMap), number) || !namesEffect(number))
                return fail("--effect takes a number " +
                            fromTo(effectNumber(EffectType::none), effectNumber(EffectType::suspense)) +
                            ", " + std::to_string(effectNumber(EffectType::keySignature)) + " or " +
                            std::to_string(effectNumber(EffectType::customMap)));
            options.effect.type = EffectType(number);
        } else if (option == "--window") {
            EffectWindow& window = options.effect.window;
            if (!intValue(0, 1000000, window.start) || !intValue(0, 1000000, window.end) ||
                window.start > window.end)
                return fail("--window takes two whole numbers of seconds, the start no later than the end");
        } else if (option == "--keysig") {
            if (!intValue(-1, 1, options.effect.keySignature.sign) ||
                !intValue(0, KeySignature::maxCount, options.effect.keySignature.count))
                return fail("--keysig takes a sign (-1, 0 or 1) and a count from 0 to " +
                            std::to_string(KeySignature::maxCount));
        } else if (option == "--pitchmap") {
            const std::string* text = value(1);
            if (!text || !parsePitchMap(*text, options.effect.pitchMap))
                return fail("--pitchmap takes twelve whole numbers separated by commas");
            ++i;
        } else if (option == "--transpose") {
            const int maxShift = LiveControls::maxKeyShift;
            if (!intValue(-maxShift, maxShift, number))
                return fail("--transpose takes a number " + fromTo(-maxShift, maxShift));
            options.transpose = number;
        } else if (option == "--solo" || option == "--mute" || option == "--double") {
            if (!intValue(0, 15, number)) return fail(option + " takes a channel from 0 to 15");
            if (option == "--solo") options.soloChannel = number;
            if (option == "--mute") options.mutedChannels.push_back(number);
            if (option == "--double") options.doubleChannel = number;
        } else if (option == "--volume") {
            if (!intValue(minMasterVolume, maxMasterVolume, number))
                return fail("--volume takes a percentage " + fromTo(minMasterVolume, maxMasterVolume));
            options.masterVolume = number;
        } else if (option == "--start") {
            if (!intValue(0, 86400, options.startSeconds))
                return fail("--start takes a whole number of seconds from 0 to 86400");
        } else if (option == "--jump") {
            const std::string* text = value(1);
            const size_t colon = text ? text->find(':') : std::string::npos;
            SongRendering::Jump jump;
            if (colon == std::string::npos || !parseInt(text->substr(0, colon), 0, 86400, jump.at) ||
                !parseInt(text->substr(colon + 1), 0, 86400, jump.to))
                return fail("--jump takes two whole numbers of seconds from 0 to 86400, as AT:TO");
            options.jumps.push_back(jump);
            ++i;
        } else if (option == "--out" || option == "--smf" || option == "--wav" || option == "--soundfont") {
            const std::string* path = value(1);
            if (!path || path->empty()) return fail(option + " takes a file name");
            (option == "--out"   ? options.outPath
             : option == "--smf" ? options.smfPath
             : option == "--wav" ? options.wavPath
                                 : options.soundFontPath) = *path;
            ++i;
        } else if (option == "--song-out" || option == "--input") {
            const std::string* path = value(1);
            if (!path || path->empty()) return fail(option + " takes a file name");
            (option == "--input" ? options.inputPath : options.songOutPath) = *path;
            ++i;
        } else if (option == "--from-text" || option == "--from-picture" || option == "--from-seed") {
            const std::string* text = value(1);
            if (songChosen) return fail("only one song can be played");
            if (option == "--from-seed") {
                if (!text || !parseInt(*text, 0, maxSeed, number))
                    return fail("--from-seed takes a whole number from 0 to 2147483647");
                options.seed = uint32_t(number);
                options.source = RenderOptions::Source::seed;
            } else {
                if (!text || text->empty()) return fail(option + " takes a file name");
                options.songPath = *text;
                options.source =
                    option == "--from-text" ? RenderOptions::Source::text : RenderOptions::Source::picture;
            }
            songChosen = true;
            ++i;
        } else if (option.size() > 1 && option[0] == '-') {
            return fail("unknown option " + option);
        } else if (option.empty()) {
            return fail("a song's file name cannot be empty");
        } else if (!songChosen) {
            options.songPath = option;
            songChosen = true;
        } else {
            return fail("only one song can be played");
        }
    }
    if (!songChosen && !options.help && options.inputPath.empty()) return fail("no MIDI file given");
    // The input's lines are timed from the start of playing; a jump would have to move them.
    if (options.startSeconds > 0 && !options.inputPath.empty())
        return fail("--start cannot be used with --input");
    if (options.lyrics && !options.inputPath.empty()) return fail("--lyrics cannot be used with --input");
    return parsed;
}

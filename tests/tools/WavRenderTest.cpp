// velmira-render --wav: the audio holds the notes the effect plays, measured in the samples themselves.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "playback/SmfWriter.h"
#include "tools/render/RenderCommand.h"

namespace fs = std::filesystem;

namespace {
constexpr int noteMs = 500;
const std::vector<int> cMajorScale = {60, 62, 64, 65, 67, 69, 71, 72};

// A flute (nearly a sine, so its pitch is easy to measure) plays the scale, one note every 500 ms, with
// reverb and chorus off so that no note rings into the next one's measurement.
std::vector<uint8_t> fluteScale() {
    std::vector<uint8_t> events = {0x00, 0xC0, 73, 0x00, 0xB0, 91, 0, 0x00, 0xB0, 93, 0};
    for (int key : cMajorScale) {
        const std::vector<uint8_t> note = {0x00, 0x90, uint8_t(key), 100, 0x83, 0x60, 0x80, uint8_t(key), 0};
        events.insert(events.end(), note.begin(), note.end());
    }
    return SmfWriter(0, 480).track(join({events, endOfTrack()})).bytes();
}

struct Audio {
    int sampleRate = 0;
    std::vector<double> mono;
};

uint32_t little(const std::vector<uint8_t>& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + size_t(i)];
    return value;
}

// Reads a 16-bit stereo PCM WAV file, mixed down to one channel.
Audio readWav(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    Audio audio;
    if (bytes.size() < 44 || std::memcmp(bytes.data(), "RIFF", 4) || std::memcmp(&bytes[8], "WAVEfmt ", 8))
        return audio;
    EXPECT_EQ(little(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(little(bytes, 20, 2), 1u);  // PCM
    EXPECT_EQ(little(bytes, 22, 2), 2u);  // stereo
    EXPECT_EQ(little(bytes, 34, 2), 16u);
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
    EXPECT_EQ(little(bytes, 40, 4), bytes.size() - 44);
    audio.sampleRate = int(little(bytes, 24, 4));
    for (size_t at = 44; at + 4 <= bytes.size(); at += 4) {
        const int16_t left = int16_t(little(bytes, at, 2)), right = int16_t(little(bytes, at + 2, 2));
        audio.mono.push_back((left + right) / 2.0);
    }
    return audio;
}

// The strongest period of the samples between the two times, by normalised autocorrelation: the shortest
// lag that correlates nearly as well as the best one (the best may be a multiple of the period). Returns
// the nearest MIDI key, or -1 where there is no clear pitch.
int measuredKey(const Audio& audio, int fromMs, int toMs) {
    const size_t begin = size_t(fromMs) * size_t(audio.sampleRate) / 1000;
    const size_t length = size_t(toMs - fromMs) * size_t(audio.sampleRate) / 1000 / 2;
    const int shortestLag = audio.sampleRate / 1500, longestLag = audio.sampleRate / 100;
    if (begin + length + size_t(longestLag) > audio.mono.size()) return -1;
    std::vector<double> correlation(size_t(longestLag) + 2, 0.0);
    for (int lag = shortestLag; lag <= longestLag + 1; ++lag) {
        double product = 0, energyA = 0, energyB = 0;
        for (size_t i = begin; i < begin + length; ++i) {
            const double a = audio.mono[i], b = audio.mono[i + size_t(lag)];
            product += a * b;
            energyA += a * a;
            energyB += b * b;
        }
        correlation[size_t(lag)] = energyA > 0 && energyB > 0 ? product / std::sqrt(energyA * energyB) : 0;
    }
    double best = 0;
    for (int lag = shortestLag + 1; lag <= longestLag; ++lag) best = std::max(best, correlation[size_t(lag)]);
    if (best < 0.8) return -1;
    for (int lag = shortestLag + 1; lag <= longestLag; ++lag) {
        const double before = correlation[size_t(lag - 1)], here = correlation[size_t(lag)],
                     after = correlation[size_t(lag + 1)];
        if (here < 0.9 * best || here < before || here < after) continue;
        // The peak between the samples, through a parabola.
        const double shift = 0.5 * (before - after) / (before - 2 * here + after);
        const double frequency = audio.sampleRate / (lag + shift);
        return int(std::lround(69 + 12 * std::log2(frequency / 440.0)));
    }
    return -1;
}

class WavRenderTest : public testing::Test {
  protected:
    WavRenderTest() { fs::create_directories(folder_); }
    ~WavRenderTest() override { fs::remove_all(folder_); }

    // Renders the flute scale with the given options; returns the key heard in the middle of each note.
    std::vector<int> keysHeard(std::vector<std::string> options) {
        const std::string song = (folder_ / "scale.mid").string(), wav = (folder_ / "scale.wav").string();
        const std::vector<uint8_t> bytes = fluteScale();
        std::ofstream(song, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        options.insert(options.end(), {"--wav", wav, song});
        std::ostringstream out, err;
        EXPECT_EQ(runRenderCommand(options, out, err), 0) << err.str();
        const Audio audio = readWav(wav);
        EXPECT_EQ(audio.sampleRate, 44100);
        // The scale, then two seconds for the last note to fade.
        EXPECT_GE(audio.mono.size(), size_t(44100) * (cMajorScale.size() * noteMs + 2000) / 1000);
        std::vector<int> keys;
        for (size_t note = 0; note < cMajorScale.size(); ++note) {
            const int start = int(note) * noteMs;
            keys.push_back(measuredKey(audio, start + 150, start + 450));
        }
        return keys;
    }

    const fs::path folder_ =
        fs::temp_directory_path() / ("velmira-wav-test-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
};
}  // namespace

TEST_F(WavRenderTest, TheAudioPlaysTheScaleAsWritten) {
    EXPECT_EQ(keysHeard({}), cMajorScale);
}

// "日本風" moves D up to E and G up to A, and keeps C, E, F, A and B.
TEST_F(WavRenderTest, TheAudioPlaysTheKeysTheJapaneseScaleMovesTheNotesTo) {
    EXPECT_EQ(keysHeard({"--effect", "2"}), (std::vector<int>{60, 64, 64, 65, 69, 69, 71, 72}));
}

TEST_F(WavRenderTest, TransposeIsHeardToo) {
    EXPECT_EQ(keysHeard({"--transpose", "-5"}), (std::vector<int>{55, 57, 59, 60, 62, 64, 66, 67}));
}

TEST_F(WavRenderTest, SaysWhatWentWrongWithTheSoundFontOrTheFile) {
    const std::string song = (folder_ / "scale.mid").string();
    const std::vector<uint8_t> bytes = fluteScale();
    std::ofstream(song, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    std::ofstream((folder_ / "not.sf2").string()) << "not a soundfont";
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"--soundfont", (folder_ / "not.sf2").string(), "--wav", (folder_ / "a.wav").string(), song},
         (folder_ / "not.sf2").string() + ": not a soundfont FluidSynth can read"},
        {{"--wav", (folder_ / "no-folder" / "a.wav").string(), song},
         (folder_ / "no-folder" / "a.wav").string() + ": cannot be written"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runRenderCommand(c.arguments, out, err), 1);
        EXPECT_EQ(err.str(), "velmira-render: " + c.error + "\n");
    }
    std::ostringstream out, err;
    EXPECT_EQ(runRenderCommand({"--wav", song}, out, err), 2);  // the song was taken as the WAV's name
}

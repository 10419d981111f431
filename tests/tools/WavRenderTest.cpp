// velmira-render --wav: the audio holds the notes the effect plays, measured in the samples themselves.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

#include "images/LittleEndian.h"
#include "playback/SmfWriter.h"
#include "tests/tools/RenderFixture.h"
#include "tools/render/WavOutput.h"

namespace {
constexpr int noteMs = 500;
const std::vector<int> cMajorScale = {60, 62, 64, 65, 67, 69, 71, 72};

// A flute (nearly a sine, so its pitch is easy to measure) plays the scale, one note every 500 ms, with
// reverb and chorus off so that no note rings into the next one's measurement.
std::vector<uint8_t> fluteScale() {
    SmfTrack track;
    track.shortMessage(0, 0xC0, 73).shortMessage(0, 0xB0, 91, 0).shortMessage(0, 0xB0, 93, 0);
    for (int key : cMajorScale)
        track.shortMessage(0, 0x90, uint8_t(key), 100).shortMessage(480, 0x80, uint8_t(key));
    return SmfWriter(0, 480).track(track.endOfTrack()).bytes();
}

struct Audio {
    int sampleRate = 0;
    std::vector<double> mono;
};

// Reads a 16-bit stereo PCM WAV file, mixed down to one channel.
Audio readWav(const std::vector<uint8_t>& bytes) {
    Audio audio;
    if (bytes.size() < 44 || std::memcmp(bytes.data(), "RIFF", 4) || std::memcmp(&bytes[8], "WAVEfmt ", 8))
        return audio;
    // The RIFF length, PCM, stereo, 16 bits, then the data chunk's length.
    EXPECT_EQ((std::vector<size_t>{readLe32(&bytes[4]), readLe16(&bytes[20]), readLe16(&bytes[22]),
                                   readLe16(&bytes[34]), readLe32(&bytes[40])}),
              (std::vector<size_t>{bytes.size() - 8, 1, 2, 16, bytes.size() - 44}));
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
    audio.sampleRate = int(readLe32(&bytes[24]));
    for (size_t at = 44; at + 4 <= bytes.size(); at += 4)
        audio.mono.push_back((int16_t(readLe16(&bytes[at])) + int16_t(readLe16(&bytes[at + 2]))) / 2.0);
    return audio;
}

// The key whose fundamental is strongest between the two times, by the samples' power at each key's
// frequency: a flute's fundamental outweighs its overtones.
int strongestKey(const Audio& audio, int fromMs, int toMs) {
    const size_t begin = size_t(fromMs) * size_t(audio.sampleRate) / 1000;
    const size_t end = std::min(audio.mono.size(), size_t(toMs) * size_t(audio.sampleRate) / 1000);
    int strongest = -1;
    double strongestPower = 0;
    for (int key = 36; key <= 96; ++key) {
        const double step = 2 * M_PI * 440 * std::pow(2.0, (key - 69) / 12.0) / audio.sampleRate;
        double real = 0, imaginary = 0;
        for (size_t i = begin; i < end; ++i) {
            real += audio.mono[i] * std::cos(step * double(i));
            imaginary += audio.mono[i] * std::sin(step * double(i));
        }
        if (real * real + imaginary * imaginary > strongestPower) {
            strongestPower = real * real + imaginary * imaginary;
            strongest = key;
        }
    }
    return strongest;
}

using WavRenderTest = RenderTest;
}  // namespace

// "日本風" moves D up to E and G up to A and keeps C, E, F, A and B; the transpose then takes all down a
// fourth.
TEST_F(WavRenderTest, TheAudioPlaysTheKeysTheEffectAndTheTransposeMoveTheScaleTo) {
    run({"--effect", "2", "--transpose", "-5", "--wav", path("scale.wav"), write("scale.mid", fluteScale())});
    const Audio audio = readWav(read("scale.wav"));
    // The scale, then two seconds for the last note to fade.
    EXPECT_GE(audio.mono.size(), size_t(44100) * (cMajorScale.size() * noteMs + 2000) / 1000);
    std::vector<int> keys;
    for (int note = 0; note < int(cMajorScale.size()); ++note)
        keys.push_back(strongestKey(audio, note * noteMs + 150, note * noteMs + 450));
    EXPECT_EQ(keys, (std::vector<int>{55, 59, 59, 60, 64, 64, 66, 67}));
}

// Past the frames a WAV file can count, the audio stops and the file stays whole: here the limit is 441
// frames (10 ms) and the song a note held for a second, then its fade.
TEST(WavOutput, TheAudioStopsAtTheFrameLimitAndTheHeaderCountsWhatWasWritten) {
    std::stringstream file;
    std::string problem;
    const std::unique_ptr<WavRendering> wav = startWavRendering("", file, problem, 441);
    ASSERT_TRUE(wav) << problem;
    wav->play({{0, {0x90, 60, 100}}, {1000, {0x80, 60, 0}}});
    wav->finish();
    const std::string bytes = file.str();
    EXPECT_EQ(readWav(std::vector<uint8_t>(bytes.begin(), bytes.end())).mono.size(), 441u);
}

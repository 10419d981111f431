#include "tools/render/WavOutput.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <memory>

#include "playback/MidiOut.h"
#include "playback/MidiVocabulary.h"
#include "tools/render/FluidSynthLibrary.h"

namespace {
const char* const defaultSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr int sampleRate = 44100;
constexpr int channels = 2;
constexpr int bytesPerSample = 2;
constexpr int framesPerBlock = 512;
// After the last message, the notes' release and the reverb fade out.
constexpr long tailMs = 2000;
// A WAV file counts its bytes in 32 bits: about six and a half hours. A damaged song that plays longer is
// cut there.
constexpr int64_t maxFrames = (int64_t(UINT32_MAX) - 36) / (channels * bytesPerSample);

// A plain PCM WAV file written as it goes; the two sizes in the header are filled in at the end.
class WavFile {
  public:
    explicit WavFile(const std::string& path) : file_(path, std::ios::binary | std::ios::trunc) {
        writeHeader(0);
    }
    // At most framesPerBlock frames a call.
    void write(const int16_t* samples, size_t frames) {
        // WAV is little-endian whatever the machine is.
        std::array<char, framesPerBlock * channels * bytesPerSample> bytes;
        const size_t count = frames * channels;
        for (size_t i = 0; i < count; ++i) {
            bytes[2 * i] = char(samples[i] & 0xFF);
            bytes[2 * i + 1] = char((samples[i] >> 8) & 0xFF);
        }
        file_.write(bytes.data(), std::streamsize(count * bytesPerSample));
        dataBytes_ += uint32_t(count * bytesPerSample);
    }
    bool finish() {
        file_.seekp(0);
        writeHeader(dataBytes_);
        file_.close();
        return !file_.fail();
    }
    bool good() const { return file_.good(); }

  private:
    void writeHeader(uint32_t dataBytes) {
        file_.write("RIFF", 4);
        put32(36 + dataBytes);
        file_.write("WAVEfmt ", 8);
        put32(16);
        put16(1);  // PCM
        put16(channels);
        put32(sampleRate);
        put32(sampleRate * channels * bytesPerSample);
        put16(channels * bytesPerSample);
        put16(8 * bytesPerSample);
        file_.write("data", 4);
        put32(dataBytes);
    }
    void put16(uint32_t value) {
        const char bytes[2] = {char(value & 0xFF), char((value >> 8) & 0xFF)};
        file_.write(bytes, 2);
    }
    void put32(uint32_t value) {
        put16(value & 0xFFFF);
        put16(value >> 16);
    }

    std::ofstream file_;
    uint32_t dataBytes_ = 0;
};

// The device the song was played to, as a synthesizer: each message goes to FluidSynth at its time, and
// the audio up to that time is rendered into the file first.
class FluidSynthMidiOut : public MidiOut {
  public:
    FluidSynthMidiOut(const FluidSynthLibrary& fluid, fluid_synth_t* synth, WavFile& wav)
        : fluid_(fluid), synth_(synth), wav_(wav) {}

    void renderUntil(long timeMs) {
        const int64_t target = std::min(int64_t(timeMs) * sampleRate / 1000, maxFrames);
        std::array<int16_t, framesPerBlock * channels> block;
        while (renderedFrames_ < target) {
            const int frames = int(std::min<int64_t>(framesPerBlock, target - renderedFrames_));
            fluid_.writeS16(synth_, frames, block.data(), 0, channels, block.data(), 1, channels);
            wav_.write(block.data(), size_t(frames));
            renderedFrames_ += frames;
        }
    }

    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
        const int channel = midi::channelOf(status);
        switch (midi::kindOf(status)) {
            case midi::noteOff:
                fluid_.noteoff(synth_, channel, data1);
                break;
            case midi::noteOn:
                fluid_.noteon(synth_, channel, data1, data2);
                break;
            case midi::keyPressure:
                fluid_.keyPressure(synth_, channel, data1, data2);
                break;
            case midi::controlChange:
                fluid_.cc(synth_, channel, data1, data2);
                break;
            case midi::programChange:
                fluid_.programChange(synth_, channel, data1);
                break;
            case midi::channelPressure:
                fluid_.channelPressure(synth_, channel, data1);
                break;
            case midi::pitchBend:
                fluid_.pitchBend(synth_, channel, data1 | data2 << 7);
                break;
        }
        return DeviceError::none;
    }

    void sendLongMessage(const uint8_t* bytes, size_t count) override {
        // FluidSynth takes the message without its F0 and F7 (the GS and GM resets among them).
        if (count < 3 || bytes[0] != 0xF0 || bytes[count - 1] != 0xF7) return;
        fluid_.sysex(synth_, reinterpret_cast<const char*>(bytes + 1), int(count - 2), nullptr, nullptr,
                     nullptr, 0);
    }

  private:
    const FluidSynthLibrary& fluid_;
    fluid_synth_t* synth_;
    WavFile& wav_;
    int64_t renderedFrames_ = 0;
};

struct SettingsDeleter {
    const FluidSynthLibrary* fluid;
    void operator()(fluid_settings_t* settings) const { fluid->deleteSettings(settings); }
};
struct SynthDeleter {
    const FluidSynthLibrary* fluid;
    void operator()(fluid_synth_t* synth) const { fluid->deleteSynth(synth); }
};
}  // namespace

std::string renderWav(const std::vector<RecordingMidiOut::Message>& messages,
                      const std::string& soundFontPath, const std::string& wavPath) {
    const FluidSynthLibrary* fluid = fluidSynthLibrary();
    if (!fluid) return "FluidSynth could not be loaded";
    // The library would print its complaints; the command reports failures itself.
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid->setLogFunction(level, nullptr, nullptr);

    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(fluid->newSettings(), SettingsDeleter{fluid});
    if (!settings) return "FluidSynth could not be started";
    fluid->settingsSetnum(settings.get(), "synth.sample-rate", sampleRate);
    fluid->settingsSetnum(settings.get(), "synth.gain", 0.4);
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth(fluid->newSynth(settings.get()), SynthDeleter{fluid});
    if (!synth) return "FluidSynth could not be started";
    const std::string soundFont = soundFontPath.empty() ? defaultSoundFont : soundFontPath;
    // Checked first: the loader's own complaint about a file of another kind goes to standard error.
    if (!fluid->isSoundfont(soundFont.c_str()) ||
        fluid->sfload(synth.get(), soundFont.c_str(), 1) == FLUID_FAILED)
        return soundFont + ": not a soundfont FluidSynth can read";

    WavFile wav(wavPath);
    const std::string unwritable = wavPath + ": cannot be written";
    if (!wav.good()) return unwritable;
    FluidSynthMidiOut out(*fluid, synth.get(), wav);
    for (const RecordingMidiOut::Message& message : messages) {
        out.renderUntil(message.timeMs);
        if (message.bytes.size() == 3 && message.bytes[0] < 0xF0)
            out.sendShortMessage(message.bytes[0], message.bytes[1], message.bytes[2]);
        else
            out.sendLongMessage(message.bytes.data(), message.bytes.size());
    }
    out.renderUntil((messages.empty() ? 0 : messages.back().timeMs) + tailMs);
    return wav.good() && wav.finish() ? std::string() : unwritable;
}

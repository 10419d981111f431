#include "tools/render/WavOutput.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <ostream>

#include "playback/MidiOut.h"
#include "playback/MidiVocabulary.h"
#include "tools/render/FluidSynthLibrary.h"

namespace {
const char* const defaultSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr int sampleRate = wavSampleRate;
constexpr int channels = 2;
constexpr int bytesPerSample = 2;
constexpr int framesPerBlock = 512;
static_assert(wavFrameLimit * channels * bytesPerSample + 36 <= UINT32_MAX, "the sizes fit the header");

// A plain PCM WAV file written as it goes; the two sizes in the header are filled in at the end.
class WavFile {
  public:
    explicit WavFile(std::ostream& file) : file_(file) { writeHeader(0); }
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
    void finish() {
        file_.seekp(0);
        writeHeader(dataBytes_);
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

    std::ostream& file_;
    uint32_t dataBytes_ = 0;
};

// The device the song was played to, as a synthesizer: each message goes to FluidSynth at its time, and
// the audio up to that time is rendered into the file first.
class FluidSynthMidiOut : public MidiOut {
  public:
    FluidSynthMidiOut(const FluidSynthLibrary& fluid, fluid_synth_t* synth, WavFile& wav, int64_t maxFrames)
        : fluid_(fluid), synth_(synth), wav_(wav), maxFrames_(maxFrames) {}

    void renderUntil(long timeMs) {
        const int64_t target = std::min(int64_t(timeMs) * sampleRate / 1000, maxFrames_);
        std::array<int16_t, framesPerBlock * channels> block;
        // A file that failed takes no more: hours of audio would be made for nothing.
        while (renderedFrames_ < target && wav_.good()) {
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

    void deliverLongMessage(const uint8_t* bytes, size_t count) override {
        // FluidSynth takes the message without its F0 and F7 (the GS and GM resets among them).
        if (count < 3 || bytes[0] != 0xF0 || bytes[count - 1] != 0xF7) return;
        fluid_.sysex(synth_, reinterpret_cast<const char*>(bytes + 1), int(count - 2), nullptr, nullptr,
                     nullptr, 0);
    }

  private:
    const FluidSynthLibrary& fluid_;
    fluid_synth_t* synth_;
    WavFile& wav_;
    const int64_t maxFrames_;
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

class FluidSynthWavRendering : public WavRendering {
  public:
    FluidSynthWavRendering(const FluidSynthLibrary& fluid,
                           std::unique_ptr<fluid_settings_t, SettingsDeleter> settings,
                           std::unique_ptr<fluid_synth_t, SynthDeleter> synth, std::ostream& wav,
                           int64_t maxFrames)
        : settings_(std::move(settings)),
          synth_(std::move(synth)),
          wav_(wav),
          out_(fluid, synth_.get(), wav_, maxFrames) {}

    void play(const std::vector<RecordingMidiOut::Message>& messages) override {
        for (const RecordingMidiOut::Message& message : messages) {
            out_.renderUntil(message.timeMs);
            if (message.bytes.size() == 3 && message.bytes[0] < 0xF0)
                out_.sendShortMessage(message.bytes[0], message.bytes[1], message.bytes[2]);
            else
                out_.sendLongMessage(message.bytes.data(), message.bytes.size());
            lastMs_ = message.timeMs;
        }
    }

    void finish() override {
        out_.renderUntil(lastMs_ + wavTailMs);
        wav_.finish();
    }

  private:
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings_;
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth_;
    WavFile wav_;
    FluidSynthMidiOut out_;
    long lastMs_ = 0;
};
}  // namespace

std::unique_ptr<WavRendering> startWavRendering(const std::string& soundFontPath, std::ostream& wav,
                                                std::string& problem, int64_t maxFrames) {
    const FluidSynthLibrary* fluid = fluidSynthLibrary();
    problem = "FluidSynth could not be loaded";
    if (!fluid) return nullptr;
    // The library would print its complaints; the command reports failures itself.
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid->setLogFunction(level, nullptr, nullptr);

    problem = "FluidSynth could not be started";
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(fluid->newSettings(), SettingsDeleter{fluid});
    if (!settings) return nullptr;
    fluid->settingsSetnum(settings.get(), "synth.sample-rate", sampleRate);
    fluid->settingsSetnum(settings.get(), "synth.gain", 0.4);
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth(fluid->newSynth(settings.get()), SynthDeleter{fluid});
    if (!synth) return nullptr;
    const std::string soundFont = soundFontPath.empty() ? defaultSoundFont : soundFontPath;
    // Checked first: the loader's own complaint about a file of another kind goes to standard error.
    problem = soundFont + ": not a soundfont FluidSynth can read";
    if (!fluid->isSoundfont(soundFont.c_str()) ||
        fluid->sfload(synth.get(), soundFont.c_str(), 1) == FLUID_FAILED)
        return nullptr;

    problem.clear();
    return std::make_unique<FluidSynthWavRendering>(*fluid, std::move(settings), std::move(synth), wav,
                                                    maxFrames);
}

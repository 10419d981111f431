#include "tools/render/RenderInput.h"

#include <algorithm>
#include <climits>

#include "effects/SongRendering.h"
#include "playback/InputLines.h"
#include "tools/render/RenderCommand.h"

namespace {
class RecordedInput : public RenderingInput {
  public:
    RecordedInput(std::istream& in, SongRendering& rendering) : reader_(in), rendering_(rendering) {
        advance();
    }

    void arriveUntil(long nowMs) override {
        while (state_ == InputLineReader::Result::line && lineMs_ <= nowMs) {
            rendering_.setDeviceTime(lineMs_);
            rendering_.engine().liveInput().receive(line_.bytes.data(), line_.count);
            advance();
        }
    }
    long nextArrivalMs() const override {
        return state_ == InputLineReader::Result::line ? lineMs_ : LONG_MAX;
    }
    bool bad() const { return state_ == InputLineReader::Result::bad; }
    long lineNumber() const { return reader_.lineNumber(); }

  private:
    // A line earlier than the one before arrives with it: input does not go back in time.
    void advance() {
        state_ = reader_.next(line_);
        if (state_ == InputLineReader::Result::line)
            lineMs_ = std::max(lineMs_, long(std::min<int64_t>(line_.microseconds / 1000, LONG_MAX - 1)));
    }

    InputLineReader reader_;
    SongRendering& rendering_;
    InputLineReader::Result state_ = InputLineReader::Result::end;
    InputLine line_;
    long lineMs_ = 0;
};
}  // namespace

std::optional<std::vector<RecordingMidiOut::Message>> renderWithInput(
    std::optional<std::vector<uint8_t>> image, const RenderOptions& options, std::istream& input,
    std::ostream& err) {
    SongRendering rendering;
    if (image) rendering.load(std::move(*image));
    applyRenderOptions(rendering.engine(), options);
    rendering.engine().effectChanged();
    RecordedInput recorded(input, rendering);
    if (image) rendering.playToEnd(0, &recorded, options.jumps);
    const size_t beforeLastInput = rendering.messages().size();
    recorded.arriveUntil(LONG_MAX);
    // What came in after the song's stop (all of it, without a song) may hold keys down: the render ends
    // as a stop would, with the device silent.
    if (rendering.messages().size() > beforeLastInput) {
        rendering.engine().liveInput().songStopped();
        Player::sendStopMessages(rendering.device());
    }
    if (recorded.bad()) {
        err << options.inputPath << ":" << recorded.lineNumber()
            << ": not a line of input (microseconds, a tab, the bytes in hex)\n";
        return std::nullopt;
    }
    return rendering.messages();
}

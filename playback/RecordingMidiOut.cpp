#include "playback/RecordingMidiOut.h"

#include "playback/MessageLine.h"

DeviceError RecordingMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const uint8_t bytes[] = {status, data1, data2};
    keep(bytes, sizeof bytes);
    return DeviceError::none;
}

void RecordingMidiOut::deliverLongMessage(const uint8_t* bytes, size_t count) {
    keep(bytes, count);
}

void RecordingMidiOut::keep(const uint8_t* bytes, size_t count) {
    messages_.push_back({timeMs_, MessageBytes(bytes, count)});
    if (take_ && messages_.size() >= batch_) handOver();
}

void RecordingMidiOut::streamTo(size_t batch, std::function<void(const std::vector<Message>&)> take) {
    batch_ = batch;
    take_ = std::move(take);
    messages_.reserve(batch);
}

void RecordingMidiOut::handOver() {
    if (!take_ || messages_.empty()) return;
    take_(messages_);
    handedOver_ += messages_.size();
    messages_.clear();
}

std::string RecordingMidiOut::formatLine(const Message& message) {
    char line[messageLineCapacity];
    const size_t length =
        formatMessageLine(message.timeMs, message.bytes.data(), message.bytes.size(), line, sizeof line);
    return std::string(line, length);
}

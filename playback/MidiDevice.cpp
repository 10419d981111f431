#include "playback/MidiDevice.h"

DeviceError MidiDevice::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return target_->sendShortMessage(status, data1, data2);
}

void MidiDevice::deliverLongMessage(const uint8_t* bytes, size_t count) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    target_->sendLongMessage(bytes, count);
}

void MidiDevice::capture(MidiOut& chase, const std::function<void()>& silentRun,
                         const std::function<void()>& restore) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    target_ = &chase;
    silentRun();
    target_ = &device_;
    restore();
}

bool MidiDevice::change(const std::function<bool()>& reopen) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return reopen();
}

#include "playback/ShortMessageFailures.h"

void ShortMessageFailures::record(DeviceError error) {
    if (error != DeviceError::invalidHandle && error != DeviceError::notReady) return;
    DeviceError none = DeviceError::none;
    pending_.compare_exchange_strong(none, error, std::memory_order_relaxed);
}

std::optional<DeviceError> ShortMessageFailures::takeFailure() {
    const DeviceError error = pending_.exchange(DeviceError::none, std::memory_order_relaxed);
    if (error == DeviceError::none || shownThisPlayback_.exchange(true, std::memory_order_relaxed))
        return std::nullopt;
    return error;
}

void ShortMessageFailures::rearm() {
    shownThisPlayback_.store(false, std::memory_order_relaxed);
}

#include "playback/FileRecordingMidiOut.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>

int64_t FileRecordingMidiOut::steadyMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// The path goes through u8path so that a Japanese file name reaches the Windows file system intact.
FileRecordingMidiOut::FileRecordingMidiOut(const std::string& path, MicrosecondClock clock)
    : clock_(std::move(clock)),
      openedAt_(clock_()),
      file_(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc) {}

DeviceError FileRecordingMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const uint8_t bytes[3] = {status, data1, data2};
    writeLine(bytes, sizeof bytes);
    return DeviceError::none;
}

void FileRecordingMidiOut::sendLongMessage(const uint8_t* bytes, size_t count) {
    // The same refusal as the device's, so the recording holds what a device would have received.
    if (count == 0 || count > longMessageCapacity) return;
    writeLine(bytes, count);
}

void FileRecordingMidiOut::writeLine(const uint8_t* bytes, size_t count) {
    std::lock_guard<std::mutex> lock(fileMutex_);
    if (!file_.is_open()) return;
    const long playTime = playTimeMs_.load(std::memory_order_relaxed);
    size_t length = formatMessageLine(playTime, bytes, count, line_, messageLineCapacity);
    length +=
        size_t(std::snprintf(line_ + length, sizeof line_ - length, "\t%" PRId64 "\n", clock_() - openedAt_));
    file_.write(line_, std::streamsize(length));
    file_.flush();
    if (!file_) {
        allWritten_.store(false, std::memory_order_relaxed);
        file_.clear();
    }
}

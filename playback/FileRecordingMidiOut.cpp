#include "playback/FileRecordingMidiOut.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>

int64_t FileRecordingMidiOut::steadyMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

FileRecordingMidiOut::FileRecordingMidiOut(const std::string& path, MicrosecondClock clock)
    : clock_(std::move(clock)), openedAt_(clock_()), file_(path) {}

bool FileRecordingMidiOut::finish() {
    std::lock_guard<std::mutex> lock(fileMutex_);
    if (allWritten()) return file_.commit();
    file_.discard();
    return false;
}

DeviceError FileRecordingMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const uint8_t bytes[3] = {status, data1, data2};
    writeLine(bytes, sizeof bytes);
    return DeviceError::none;
}

void FileRecordingMidiOut::deliverLongMessage(const uint8_t* bytes, size_t count) {
    writeLine(bytes, count);
}

void FileRecordingMidiOut::writeLine(const uint8_t* bytes, size_t count) {
    std::lock_guard<std::mutex> lock(fileMutex_);
    std::ofstream& file = file_.stream();
    if (!file.is_open()) return;
    const long playTime = playTimeMs_.load(std::memory_order_relaxed);
    size_t length = formatMessageLine(playTime, bytes, count, line_, messageLineCapacity);
    length +=
        size_t(std::snprintf(line_ + length, sizeof line_ - length, "\t%" PRId64 "\n", clock_() - openedAt_));
    file.write(line_, std::streamsize(length));
    file.flush();
    if (!file) {
        allWritten_.store(false, std::memory_order_relaxed);
        file.clear();
    }
}

#include "playback/InputReplay.h"

#include <chrono>
#include <filesystem>

#include "playback/FileRecordingMidiOut.h"
#include "playback/InputLines.h"

namespace {
// Sleeping is exact to a millisecond or two (more under Wine); the rest of the wait is spent spinning.
constexpr int64_t spinMicroseconds = 3000;
}  // namespace

std::optional<long> InputReplay::firstBadLine(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (!file) return 0;
    InputLineReader reader(file);
    InputLine line;
    for (;;) {
        switch (reader.next(line)) {
            case InputLineReader::Result::line:
                continue;
            case InputLineReader::Result::end:
                return std::nullopt;
            case InputLineReader::Result::bad:
                return reader.lineNumber();
        }
    }
}

InputReplay::InputReplay(const std::string& path) : file_(std::filesystem::u8path(path), std::ios::binary) {}

void InputReplay::start(MidiInputSink& sink, int64_t originMicroseconds) {
    thread_ = std::thread([this, &sink, originMicroseconds] { run(sink, originMicroseconds); });
}

void InputReplay::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void InputReplay::run(MidiInputSink& sink, int64_t originMicroseconds) {
    InputLineReader reader(file_);
    InputLine line;
    while (reader.next(line) == InputLineReader::Result::line) {
        if (!waitUntil(originMicroseconds + line.microseconds)) return;
        sink.receive(line.bytes.data(), line.count);
    }
}

// False when the replay is being stopped.
bool InputReplay::waitUntil(int64_t microseconds) {
    const int64_t sleepUntil = microseconds - spinMicroseconds;
    const int64_t now = FileRecordingMidiOut::steadyMicroseconds();
    std::unique_lock<std::mutex> lock(mutex_);
    if (sleepUntil > now)
        wake_.wait_for(lock, std::chrono::microseconds(sleepUntil - now), [this] { return stopping_; });
    if (stopping_) return false;
    lock.unlock();
    while (FileRecordingMidiOut::steadyMicroseconds() < microseconds) std::this_thread::yield();
    return true;
}

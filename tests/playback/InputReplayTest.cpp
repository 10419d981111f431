// "/in:replay": recorded input handed over at its times, on a thread of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <vector>

#include "playback/FileRecordingMidiOut.h"
#include "playback/InputReplay.h"

namespace {
class TimedSink : public MidiInputSink {
  public:
    void receive(const uint8_t* bytes, size_t count) override {
        std::lock_guard<std::mutex> lock(mutex);
        arrivals.push_back(
            {FileRecordingMidiOut::steadyMicroseconds(), std::vector<uint8_t>(bytes, bytes + count)});
    }
    std::mutex mutex;
    std::vector<std::pair<int64_t, std::vector<uint8_t>>> arrivals;
};

std::string written(const std::string& name, const std::string& text) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}
}  // namespace

TEST(InputReplay, HandsEachLineOverAtItsTimeAndStopsMidWait) {
    const std::string path =
        written("velmira-replay-test.txt", "0\t90 3C 64\n30000\t80 3C 00\n3600000000\tF8\n");
    EXPECT_EQ(InputReplay::firstBadLine(path), std::nullopt);
    TimedSink sink;
    InputReplay replay(path);
    const int64_t origin = FileRecordingMidiOut::steadyMicroseconds();
    replay.start(sink, origin);
    while (true) {
        std::lock_guard<std::mutex> lock(sink.mutex);
        if (sink.arrivals.size() == 2) break;
    }
    replay.stop();  // waiting for the hour-late line
    EXPECT_LT(FileRecordingMidiOut::steadyMicroseconds() - origin, 10000000);
    ASSERT_EQ(sink.arrivals.size(), 2u);
    EXPECT_EQ(sink.arrivals[1].second, (std::vector<uint8_t>{0x80, 0x3C, 0x00}));
    EXPECT_GE(sink.arrivals[1].first - origin, 30000) << "a line went before its time";

    EXPECT_EQ(InputReplay::firstBadLine(written("velmira-replay-bad.txt", "0\t90\n\nx\n")), 3);
    EXPECT_EQ(InputReplay::firstBadLine("/nonexistent/velmira-replay.txt"), 0);
    std::filesystem::remove(path);
}

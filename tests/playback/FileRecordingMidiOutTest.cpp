// The recording output of "/out:record=FILE": what lands in the file, when it lands there, and the play
// time the stamping timer gives each line.
#include "playback/FileRecordingMidiOut.h"
#include "playback/PlayTimeStampingTimer.h"
#include "playback/VirtualTimer.h"
#include "tests/tools/RenderFixture.h"

namespace {
class FileRecordingMidiOutTest : public ScratchFolderTest {
  protected:
    // What the file holds now, without waiting for the output to be closed.
    Lines fileLines() const { return readLines("record.txt"); }
    const std::string path_ = path("record.txt");
    int64_t now_ = 5'000'000;  // the fake clock does not start at 0, as a real one would not
    FileRecordingMidiOut::MicrosecondClock clock_ = [this] { return now_; };
};

// Sends one note-on on every timer call, as a sequencer would.
class NoteEachTick : public TimerClient {
  public:
    explicit NoteEachTick(MidiOut& out) : out_(out) {}
    void onTimer() override { out_.sendShortMessage(0x90, uint8_t(60 + notes_++), 100); }

  private:
    MidiOut& out_;
    int notes_ = 0;
};
}  // namespace

TEST_F(FileRecordingMidiOutTest,
       WritesEachMessageAtOnceWithItsRealTimeOverAnEarlierRecordingOrTellsItCannot) {
    std::ofstream(path_) << "an older recording\n";
    FileRecordingMidiOut out(path_, clock_);
    ASSERT_TRUE(out.isOpen());
    now_ += 1500;
    out.sendShortMessage(0xB0, 0x79, 0x00);
    EXPECT_EQ(fileLines(), Lines{"0 B0 79 00\t1500"});  // flushed: readable while the output is open

    out.setPlayTime(120);
    now_ += 2'000'000;
    const uint8_t gsReset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
    out.sendLongMessage(gsReset, sizeof gsReset);
    EXPECT_EQ(fileLines(), (Lines{"0 B0 79 00\t1500", "120 F0 41 10 42 12 40 00 7F 00 41 F7\t2001500"}));
    EXPECT_TRUE(out.allWritten());

    FileRecordingMidiOut lost(path("no-such-folder/record.txt"), clock_);
    EXPECT_FALSE(lost.isOpen());
    lost.sendShortMessage(0x90, 60, 100);  // goes nowhere, and does not crash
}

TEST_F(FileRecordingMidiOutTest, RefusesTheSystemExclusiveMessagesADeviceRefuses) {
    FileRecordingMidiOut out(path_, clock_);
    const std::vector<uint8_t> tooLong(MidiOut::longMessageCapacity + 1, 0x10);
    out.sendLongMessage(tooLong.data(), tooLong.size());
    out.sendLongMessage(tooLong.data(), 0);
    std::vector<uint8_t> longest(MidiOut::longMessageCapacity, 0x7F);
    longest.front() = 0xF0;
    longest.back() = 0xF7;
    out.sendLongMessage(longest.data(), longest.size());
    std::string line = "0 F0";
    for (size_t i = 2; i < MidiOut::longMessageCapacity; ++i) line += " 7F";
    EXPECT_EQ(fileLines(), Lines{line + " F7\t0"});
}

TEST_F(FileRecordingMidiOutTest, StampsEachTimerCallWithThePlayTimeCountedFromTheStart) {
    FileRecordingMidiOut out(path_, clock_);
    VirtualTimer timer;
    PlayTimeStampingTimer stamping(timer, out);
    NoteEachTick sequencer(out);

    out.sendShortMessage(0xB0, 0x79, 0x00);  // a load, before any playback
    timer.failNextStart = true;
    EXPECT_FALSE(stamping.start(10, sequencer)) << "the real timer's failure is passed on";
    ASSERT_TRUE(stamping.start(10, sequencer));
    EXPECT_EQ(timer.periodMs(), 10);
    for (int call = 0; call < 3; ++call) {
        now_ += 10'000;
        timer.tick();
    }
    stamping.stop();
    EXPECT_FALSE(timer.running());
    out.sendShortMessage(0xB0, 0x7B, 0x00);  // a stop message keeps the last play time

    ASSERT_TRUE(stamping.start(10, sequencer));  // a new start counts from 0 again
    timer.tick();

    EXPECT_EQ(fileLines(), (Lines{"0 B0 79 00\t0", "0 90 3C 64\t10000", "10 90 3D 64\t20000",
                                  "20 90 3E 64\t30000", "20 B0 7B 00\t30000", "0 90 3F 64\t30000"}));
}

// The recording output of "/out:record=FILE": what lands in the file and when it lands there.
#include "playback/FileRecordingMidiOut.h"
#include "tests/tools/RenderFixture.h"

namespace {
class FileRecordingMidiOutTest : public ScratchFolderTest {
  protected:
    // What the recording holds so far, without waiting for it to be finished: the lines go to a temporary
    // file beside the target.
    Lines liveLines() const {
        for (const std::string& name : entries())
            if (name.rfind("record.txt.", 0) == 0) return readLines(name);
        return {};
    }
    const std::string path_ = path("record.txt");
    int64_t now_ = 5'000'000;  // the fake clock does not start at 0, as a real one would not
    FileRecordingMidiOut::MicrosecondClock clock_ = [this] { return now_; };
};

}  // namespace

TEST_F(FileRecordingMidiOutTest,
       WritesEachMessageAtOnceWithItsRealTimeAndReplacesAnEarlierRecordingOnlyWhenWhole) {
    std::ofstream(path_) << "an older recording\n";
    FileRecordingMidiOut out(path_, clock_);
    now_ += 1500;
    out.sendShortMessage(0xB0, 0x79, 0x00);
    EXPECT_EQ(liveLines(), Lines{"0 B0 79 00\t1500"});  // flushed: readable while the output is open

    out.setPlayTime(120);
    now_ += 2'000'000;
    const uint8_t gsReset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
    out.sendLongMessage(gsReset, sizeof gsReset);
    const Lines recorded = {"0 B0 79 00\t1500", "120 F0 41 10 42 12 40 00 7F 00 41 F7\t2001500"};
    EXPECT_EQ(liveLines(), recorded);
    EXPECT_EQ(readLines("record.txt"), Lines{"an older recording"});
    EXPECT_TRUE(out.finish());
    EXPECT_EQ(std::pair(readLines("record.txt"), entries()), std::pair(recorded, Lines{"record.txt"}));

    FileRecordingMidiOut nowhere(path("no-such-folder/record.txt"), clock_);
    EXPECT_FALSE(nowhere.isOpen());
    nowhere.sendShortMessage(0x90, 60, 100);  // goes nowhere, and does not crash
    EXPECT_FALSE(nowhere.finish());

    // A script that compares recordings must not take a cut one for the whole.
    FileRecordingMidiOut cut(path_, clock_);
    {
        const FullDisk full(20);
        cut.sendShortMessage(0x90, 60, 100);
        cut.sendShortMessage(0x80, 60, 0);  // past the 20 bytes
    }
    cut.sendShortMessage(0xB0, 0x7B, 0);  // written again once there is room, which does not mend the gap
    EXPECT_EQ(liveLines().back(), "0 B0 7B 00\t0");
    EXPECT_FALSE(cut.finish());
    EXPECT_EQ(std::pair(readLines("record.txt"), entries()), std::pair(recorded, Lines{"record.txt"}));
    FileRecordingMidiOut displaced(path("gone"), clock_);
    std::filesystem::create_directory(path("gone"));
    EXPECT_FALSE(displaced.finish());
    EXPECT_EQ(entries(), (Lines{"gone", "record.txt"})) << "a failed rename leaves no temporary file";
    EXPECT_FALSE(OutputFile("").isOpen()) << "no name, no file";
    OutputFile dropped(path("dropped.txt")), open(path("open.txt"));
    dropped.complete(), dropped.discard(), open.discard();
    EXPECT_FALSE(dropped.complete() || open.stream().is_open())
        << "a dropped output is complete no more, and closed: Windows removes no file still open";
    std::filesystem::create_symlink("loop", path("loop"));  // no path through it can be made whole
    EXPECT_TRUE(sameFile(path("loop/x"), path("loop/./x")) && !sameFile(path("loop/x"), path("loop/y")));
}

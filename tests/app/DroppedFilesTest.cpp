// What a drop on the window opens and what it adds to the song list.
#include <gtest/gtest.h>

#include "app/DroppedFiles.h"

namespace {
using Paths = std::vector<std::string>;

struct DropCase {
    const char* what;
    Paths dropped;
    bool playing;
    std::string opened;
    Paths joining;
};

const DropCase dropCases[] = {
    {"while playing nothing happens", {"C:\\a.mid", "C:\\b.mid"}, true, "", {}},
    {"the first is opened whatever its name, as a picked file is",
     {"C:\\notes.txt", "C:\\b.mid"},
     false,
     "C:\\notes.txt",
     {"C:\\b.mid"}},
    {"further files join in the order dropped, only MIDI files",
     {"a.mid", "c.MID", "pic.bmp", "b.Midi", "mid", "x.mid.txt", "a.mid\\", "a.midx", "d.x\\ソング.mid"},
     false,
     "a.mid",
     {"c.MID", "b.Midi", "d.x\\ソング.mid"}},
};
}  // namespace

TEST(DroppedFilesTest, OpensTheFirstAndQueuesTheFurtherMidiFilesOnlyWhileStopped) {
    for (const DropCase& drop : dropCases) {
        SCOPED_TRACE(drop.what);
        const DroppedFiles sorted = sortDroppedFiles(drop.dropped, drop.playing);
        EXPECT_EQ(sorted.opened, drop.opened);
        EXPECT_EQ(sorted.joining, drop.joining);
    }
}

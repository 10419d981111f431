// The page's files as the disk's would answer: a file over the reader's limit refused unread, an
// unreadable one keeping its status, the kept files found beside the program, and only a listed folder
// made current.
#include <gtest/gtest.h>

#include "platform/MemoryFiles.h"

TEST(MemoryFiles, AnswerAsTheDisksFilesWould) {
    MemoryFiles files;
    files.addFile("a.mid", {1, 2, 3});
    files.files["locked.mid"] = {FileData::readError, {}};
    EXPECT_EQ(files.readFile("a.mid", 3).bytes.size(), 3u);
    EXPECT_EQ(files.readFile("a.mid", 2).status, FileData::tooLarge);
    EXPECT_EQ(files.readFile("locked.mid", 0).status, FileData::readError);
    EXPECT_EQ(files.findBesideProgram("a.mid"), "a.mid");
    EXPECT_EQ(files.findBesideProgram("b.mid"), std::nullopt);
    files.folders.insert("曲");
    EXPECT_FALSE(files.setCurrentFolder("other"));
    EXPECT_EQ(files.currentFolder(), "");
    EXPECT_TRUE(files.setCurrentFolder("曲"));
    EXPECT_EQ(files.currentFolder(), "曲");
}

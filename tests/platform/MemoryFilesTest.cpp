// The page's files as the disk's would answer: a file over the reader's limit refused unread, an
// unreadable one keeping its status, the kept files found beside the program, and only a listed folder
// made current.
#include <gtest/gtest.h>

#include "platform/MemoryFiles.h"

TEST(MemoryFiles, AnswerAsTheDisksFilesWould) {
    MemoryFiles files;
    files.addFile("a.mid", {1, 2, 3});
    files.files["locked.mid"] = {FileData::readError, {}};
    EXPECT_EQ(std::tuple(files.readFile("a.mid", 3).bytes.size(), files.readFile("a.mid", 2).status,
                         files.readFile("locked.mid", 0).status),
              std::tuple(3u, FileData::tooLarge, FileData::readError));
    EXPECT_EQ(files.findBesideProgram("a.mid"), "a.mid");
    EXPECT_EQ(files.findBesideProgram("b.mid"), std::nullopt);
    files.folders.insert("曲");
    EXPECT_TRUE(!files.setCurrentFolder("other") && files.currentFolder().empty());
    EXPECT_TRUE(files.setCurrentFolder("曲") && files.currentFolder() == "曲");
}

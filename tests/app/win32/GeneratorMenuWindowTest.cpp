// "別領域" on the real window under Wine: source files read from the disk by
// the window (the dialog answered by the test), the refusals' message boxes, the title through wide text,
// and the generated song heard when the face's play button is pressed. The random sound takes the same
// path with the clock as its source, which the model's tests check.
#include <gtest/gtest.h>

#include "images/DibImage.h"
#include "platform/win32/WideText.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"

namespace {
using Bytes = std::vector<uint8_t>;
using Lines = std::vector<std::string>;

class GeneratorMenuWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(start());
    }
    std::string write(const std::string& name, const Bytes& bytes) {
        return narrow(folder.write(widen(name), bytes));
    }
    void command(int id, std::optional<std::string> choice = std::nullopt) {
        window->nextChoice = std::move(choice);
        WindowTest::command(id);
    }
    // Presses the face's play button and lets the song run a few timer periods; returns the note-ons sent
    // on the melody's channel.
    std::vector<Bytes> playMelodyStart() {
        out.clear();
        click(80, 460);
        ticks(10);
        std::vector<Bytes> notes;
        for (const RecordingMidiOut::Message& message : out.messages())
            if (message.bytes.size() == 3 && message.bytes[0] == 0x90 && message.bytes[2] != 0)
                notes.emplace_back(message.bytes.begin(), message.bytes.end());
        return notes;
    }

    TempFolder folder{L"generator"};
};
}  // namespace

TEST_F(GeneratorMenuWindowTest, ATextFileBecomesASongThatPlays) {
    // 300 spaces: 299 notes of 48 (0x30), 6649 bytes in all.
    const std::string path = write("空白.txt", Bytes(300, ' '));
    command(IDM_GENERATE_TEXT, path);
    EXPECT_EQ(window->sourceFilters, Lines{"テキストファイル(*.txt)|*.txt||"});
    EXPECT_TRUE(window->messages.empty());
    EXPECT_EQ(title(), path + "  (6649 バイト:フォーマット=1:トラック数=4)");
    EXPECT_FALSE(timer.running());  // the command does not start playback

    const std::vector<Bytes> notes = playMelodyStart();
    ASSERT_TRUE(timer.running());
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes[0][1], 0x30);
}

// The refusals' rules are checked natively; here one of each source reaches its message box.
TEST_F(GeneratorMenuWindowTest, ARefusedTextOrPictureIsSaidInAMessageBoxAndAPictureFileBecomesASong) {
    command(IDM_GENERATE_TEXT, write("short.txt", Bytes(255, 'a')));
    command(IDM_GENERATE_PICTURE, write("small.bmp", encodeBmpFile(DibImage::create24(63, 64))));
    EXPECT_EQ(window->messages, (Lines{"ファイルサイズが小さすぎます", "ビットマップが小さすぎます"}));
    EXPECT_EQ(title(), "Velmira");

    const std::string picture = write("grey.bmp", encodeBmpFile(DibImage::create24(64, 64)));
    command(IDM_GENERATE_PICTURE, picture);
    EXPECT_EQ(title().rfind(picture + "  (", 0), 0u) << title();
}

// A file of a gigabyte and more is taken by its size or its header, never read whole: a text is refused by
// its size, and a picture with a good header plays however much follows it.
TEST_F(GeneratorMenuWindowTest, AGigabyteTextOrPictureIsJudgedByItsSizeOrHeaderAlone) {
    const auto grown = [this](const std::string& name, const Bytes& start) {
        const std::wstring path = folder.write(widen(name), start);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = (LONGLONG(1) << 30) + 1;  // the rest is a hole: nothing is written
        EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
        CloseHandle(file);
        return narrow(path);
    };
    command(IDM_GENERATE_TEXT, grown("huge.txt", Bytes(300, ' ')));
    command(IDM_GENERATE_PICTURE, grown("zeros.bmp", {}));
    EXPECT_EQ(window->messages, (Lines{"ファイルサイズが大きすぎます", "ファイル読み込みに失敗しました"}));
    const std::string picture = grown("huge.bmp", encodeBmpFile(DibImage::create24(64, 64)));
    command(IDM_GENERATE_PICTURE, picture);
    EXPECT_EQ(title().rfind(picture + "  (", 0), 0u) << title();
}

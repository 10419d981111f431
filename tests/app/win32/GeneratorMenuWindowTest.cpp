// "別領域" on the real window under Wine: source files read from the disk by the window (the dialog
// answered by the test) and a refusal's message box. What each source makes and refuses is checked
// natively.
#include <gtest/gtest.h>

#include "images/DibImage.h"
#include "platform/win32/WideText.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"

// A file of a gigabyte and more is taken by its size or its header, never read whole: a text is refused by
// its size, and a picture with a good header becomes a song however much follows it.
TEST_F(StartedWindowTest, AGigabyteTextOrPictureIsJudgedByItsSizeOrHeaderAlone) {
    window->messagesFail = false;  // the refusals are the test
    TempFolder folder{L"generator"};
    // Chooses a file of |start| grown past a gigabyte for |id|; the rest is a hole: nothing is written.
    const auto generate = [&](int id, const std::wstring& name, const std::vector<uint8_t>& start) {
        const std::wstring path = folder.write(name, start);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = (LONGLONG(1) << 30) + 1;
        EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
        CloseHandle(file);
        window->dialogs.nextChoice = narrow(path);
        command(id);
    };
    generate(IDM_GENERATE_TEXT, L"huge.txt", std::vector<uint8_t>(300, ' '));
    generate(IDM_GENERATE_PICTURE, L"zeros.bmp", {});
    EXPECT_EQ(window->messages,
              (std::vector<std::string>{"ファイルサイズが大きすぎます", "ファイル読み込みに失敗しました"}));
    generate(IDM_GENERATE_PICTURE, L"huge.bmp", encodeBmpFile(DibImage::create24(64, 64)));
    EXPECT_EQ(title().rfind(narrow(folder.file(L"huge.bmp")) + "  (", 0), 0u) << title();
}

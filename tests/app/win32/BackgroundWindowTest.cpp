// The background change on the real window under Wine: a photograph chosen, decoded by the program's own
// plug-in, composed and painted, the close question answered Yes, the face saved through the real file
// writer, and the next window starting with it.
#include <gtest/gtest.h>

#include <fstream>

#include "images/FaceComposer.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "playback/OutputFile.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"

namespace {
// A picture with a colour of its own at every pixel, so that a face drawn from the wrong place shows.
DibImage gradient(int width, int height) {
    DibImage image = DibImage::create24(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPackedAt(x, y, packColour(uint8_t(x * 255 / width), uint8_t(y * 255 / height), 160));
    return image;
}

class BackgroundWindowTest : public WindowTest {
  protected:
    // A window whose start-up reads |background| as its face, as the settings have it do, started in the
    // program's folder, where its own plug-ins are found (the test's own folder is current again after it).
    void start(const std::string& background) {
        SetCurrentDirectoryW(programFolder().c_str());
        window = newWindow();
        window->model().skin().setBackgroundPath(background);
        ASSERT_TRUE(window->create(SW_SHOWNOACTIVATE));
        pump();
    }
    // Points of the face, in a grid over all of it, where the program's own mask shows the picture: each
    // within |tolerance| of what the gradient makes there, and unlike the face the window started with.
    void expectFacePainted(int tolerance) {
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        std::ifstream startFile(widen(window->files.findBesideProgram("Main.bmp").value_or("")).c_str(),
                                std::ios::binary);
        DibImage startFace;
        readFaceBmp(startFile, startFace);
        const std::optional<MaskGrid>& mask = window->model().skin().mask();
        ASSERT_TRUE(mask);
        DibImage face;
        makeFaceFromPicture(gradient(120, 90), *mask, face, [](int) {});
        int pictureSamples = 0;
        for (int y = 4; y < 540; y += 23) {
            for (int x = 3; x < 788; x += 29) {
                if (mask->at(x, 539 - y) != MaskGrid::showsPicture) continue;
                ++pictureSamples;
                EXPECT_TRUE(coloursNear(windowPixel(hwnd(), x, y), face.packedAt(x, y), tolerance))
                    << x << "," << y;
                EXPECT_NE(face.packedAt(x, y), startFace.packedAt(x, y)) << x << "," << y;
            }
        }
        EXPECT_GT(pictureSamples, 50);
    }
    TempFolder folder{L"background"};
    const std::string facePath = narrow(folder.file(L"my face.bmp"));
};
}  // namespace

TEST_F(BackgroundWindowTest, AChosenPhotographBecomesTheFaceIsSavedAtCloseAndIsTheFaceOfTheNextStart) {
    start("Main.bmp");
    window->dialogs.picture = narrow(testPicture(L"gradient.jpg"));  // the gradient below as a JPEG
    command(IDM_BACKGROUND_CHANGE);
    expectFacePainted(12);  // JPEG keeps a smooth gradient to within a few steps of each colour

    window->dialogs.saveAs = facePath;
    const HWND first = hwnd();
    command(IDM_APP_EXIT);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(window->model().skin().backgroundPath(), facePath);  // what the settings write at exit

    start(facePath);
    expectFacePainted(12);
    SendMessageW(hwnd(), WM_CLOSE, 0, 0);  // the face read at start-up is no change: nothing to ask
    pump();
    EXPECT_TRUE(window->questions.empty());
}

// Part of a face file must never be left: the next start would refuse it and fall back to "Main.bmp".
TEST_F(BackgroundWindowTest, AFaceFileThatCannotBeWrittenLeavesNoFileAndKeepsTheOneItWouldReplace) {
    const std::vector<uint8_t> face = encodeBmpFile(DibImage::create24(788, 540));
    // A file that is in use cannot be replaced: it keeps what it held.
    folder.write(L"my face.bmp", {'o', 'l', 'd'});
    HANDLE inUse = CreateFileW(widen(facePath).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(writeFileWhole(facePath, face));
    CloseHandle(inUse);
    EXPECT_EQ(Win32Files().readFile(facePath, UINT64_MAX).bytes, (std::vector<uint8_t>{'o', 'l', 'd'}));

    EXPECT_TRUE(writeFileWhole(facePath, face));
    EXPECT_EQ(Win32Files().readFile(facePath, UINT64_MAX).bytes, face);
    EXPECT_EQ(folder.entries(), std::vector<std::wstring>{L"my face.bmp"});  // no temporary file left behind
}

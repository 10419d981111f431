// The real open dialog in its background mode under Wine: the panel, the picture (a BMP, or a JPEG through
// the program's own plug-in) drawn scaled into the preview area with its size, a refusal's message box,
// and the picture handed over at the confirmation. Which selections are read, cleared or refused, the
// size text and the check box's memory are checked natively.
#include <gtest/gtest.h>

#include "app/Messages.h"
#include "images/PreviewGeometry.h"
#include "images/win32/CFileIconDlg.h"
#include "images/win32/PicturePreview.h"
#include "images/win32/SusiePlugins.h"
#include "platform/win32/WideText.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/images/win32/OpenDialogDriver.h"

namespace {
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF lightGrey = RGB(192, 192, 192);

class FileIconDlgTest : public testing::Test {
  protected:
    void SetUp() override {
        // The 64 x 32 card of the plug-ins' test, red at its top left and white at its top right.
        CopyFileW(testPicture(L"card.jpeg").c_str(), folder.file(L"wide.jpg").c_str(), FALSE);
        DibImage tall = DibImage::create24(100, 200);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 100; ++x) tall.setPackedAt(x, y, packColour(0, 0, 255));
        folder.write(L"tall.bmp", encodeBmpFile(tall));
        folder.write(L"locked.bmp", encodeBmpFile(tall));
        folder.write(L"broken.bmp", {'B', 'M', 1, 2, 3});
    }
    // The dialog makes the folder it ends in current, which would keep the folder from being removed.
    void TearDown() override { SetCurrentDirectoryW(programFolder().c_str()); }

    TempFolder folder{L"file-dialog"};
    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(programFolder())});
    PreviewChecks checks;
    FileDialogSetup setup{plugins.imageFilter(), narrow(folder.path()), &checks, &fileDialogFailureText};
    std::vector<std::string> accepted;
    PicturePreview preview{
        plugins, [this](const DibImage& picture) {
            accepted.push_back(std::to_string(picture.width()) + "x" + std::to_string(picture.height()));
            return true;
        }};
};

// The picture drawn into its target rectangle, the colours of its top row's ends (JPEG shifts colours a
// little), with the white frame and margin around it.
void expectDrawn(const OpenDialogDriver& driver, int width, int height, COLORREF left, COLORREF right) {
    const SIZE area = driver.areaSize();
    const PreviewRect target = previewTarget(width, height, area.cx, area.cy);
    ASSERT_GT(target.width, 20);
    const int y = target.y + target.height / 4;
    EXPECT_TRUE(coloursNear(driver.areaPixel(target.x + target.width / 8, y), left, 32));
    EXPECT_TRUE(coloursNear(driver.areaPixel(target.x + target.width * 7 / 8, y), right, 32));
    EXPECT_EQ(driver.areaPixel(0, 0), white);  // the frame
    if (width > height)
        EXPECT_EQ(driver.areaPixel(area.cx / 2, target.y - 1), white);
    else
        EXPECT_EQ(driver.areaPixel(target.x - 1, area.cy / 2), white);
}
}  // namespace

TEST_F(FileIconDlgTest, PreviewsPicturesScaledToFitAndConfirmsExactlyTheChosenFile) {
    ASSERT_TRUE(plugins.available());  // without the program's own plug-ins the dialog below is not left
    const auto steps = [&](OpenDialogDriver& driver) {
        EXPECT_TRUE(IsWindowVisible(driver.control(IDC_PREVIEW_AREA)));
        driver.select(L"tall.bmp");  // the preview is off: nothing is read or drawn
        EXPECT_EQ(driver.areaPixel(5, 5), lightGrey);
        driver.clickCheckBox();  // on: the selection is drawn at once
        expectDrawn(driver, 100, 200, RGB(0, 0, 255), RGB(0, 0, 255));
        EXPECT_EQ(driver.text(IDC_PREVIEW_SIZE), "SIZE= 100× 200");
        driver.select(L"wide.jpg");
        expectDrawn(driver, 64, 32, RGB(255, 0, 0), RGB(255, 255, 255));
        EXPECT_EQ(driver.text(IDC_PREVIEW_SIZE), "SIZE=  64×  32");

        EXPECT_TRUE(driver.messageBoxTexts.empty());
        driver.select(L"broken.bmp");
        EXPECT_EQ(driver.messageBoxTexts,
                  std::vector<std::string>{"Ｗｉｎｄｏｗｓ形式以外はサポートしていません"});
        EXPECT_EQ(driver.areaPixel(5, 5), lightGrey);
        // A BMP that cannot be opened at all is told as a song that cannot be read is.
        const HANDLE lock = CreateFileW(folder.file(L"locked.bmp").c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        driver.select(L"locked.bmp");
        CloseHandle(lock);
        EXPECT_EQ(driver.messageBoxTexts.back(), readErrorText);

        // A picture that cannot be read is not taken.
        EXPECT_TRUE(!driver.open(L"broken.bmp") && accepted.empty());
        driver.select(L"tall.bmp");
        EXPECT_TRUE(driver.open(L"wide.jpg"));  // typed, not the picture last shown
    };
    std::optional<ChosenFile> chosen;
    OpenDialogDriver::whenOpen(steps, [&] { chosen = CFileIconDlg::run(nullptr, setup, preview); });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, narrow(folder.path()) + "\\wide.jpg");
    EXPECT_EQ(accepted, std::vector<std::string>{"64x32"});
}

// The real open dialog in its background mode under Wine: the panel, the picture drawn scaled into the
// preview area with its size, a refusal's message box, and the picture handed over at the confirmation.
// Which selections are read, cleared or refused, and the check box's memory, are checked natively; a
// failed composition is refused as the unreadable picture here is.
#include <gtest/gtest.h>
#include <objbase.h>
#include <wincodec.h>

#include <cstdlib>

#include "app/FileDialogMessages.h"
#include "images/PreviewGeometry.h"
#include "images/win32/CFileIconDlg.h"
#include "images/win32/SusiePlugins.h"
#include "platform/win32/WideText.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/images/win32/OpenDialogDriver.h"
#include "tests/images/win32/WicEncoder.h"

namespace {
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF lightGrey = RGB(192, 192, 192);

std::vector<uint8_t> plainBmp(int width, int height, uint32_t packed) {
    DibImage picture = DibImage::create24(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPackedAt(x, y, packed);
    return encodeBmpFile(picture);
}

class FileIconDlgTest : public testing::Test {
  protected:
    void SetUp() override {
        folder.write(L"wide.bmp", plainBmp(200, 100, packColour(255, 0, 0)));
        folder.write(L"tall.bmp", plainBmp(100, 200, packColour(0, 0, 255)));
        folder.write(L"broken.bmp", {'B', 'M', 1, 2, 3});
        setup.mode = FileDialogMode::background;
        setup.filter = "ビットマップ(*.bmp)|*.bmp|";
        setup.startFolder = narrow(folder.path());
        setup.checks = &checks;
        setup.wording = &fileDialogFailureText;
        setup.acceptPicture = [this](const DibImage& picture) {
            accepted.push_back(std::to_string(picture.width()) + "x" + std::to_string(picture.height()));
            return true;
        };
    }
    // The dialog makes the folder it ends in current, which would keep the folder from being removed.
    void TearDown() override { SetCurrentDirectoryW(programFolder().c_str()); }
    std::wstring file(const wchar_t* name) const { return folder.path() + L"\\" + name; }

    TempFolder folder{L"file-dialog"};
    PreviewChecks checks;
    FileDialogSetup setup;
    std::vector<std::string> accepted;
};

// The picture's target rectangle inside the area, and a pixel inside it and one in the white margin.
void expectDrawnScaled(const OpenDialogDriver& driver, int width, int height, COLORREF colour) {
    const SIZE area = driver.areaSize();
    const PreviewRect target = previewTarget(width, height, area.cx, area.cy);
    ASSERT_GT(target.width, 2);
    EXPECT_EQ(driver.areaPixel(target.x + target.width / 2, target.y + target.height / 2), colour);
    EXPECT_EQ(driver.areaPixel(target.x, target.y), colour);
    EXPECT_EQ(driver.areaPixel(target.x + target.width - 1, target.y + target.height - 1), colour);
    EXPECT_EQ(driver.areaPixel(0, 0), white);  // the frame
    if (width > height) {
        EXPECT_EQ(driver.areaPixel(area.cx / 2, target.y - 1), white);
    } else {
        EXPECT_EQ(driver.areaPixel(target.x - 1, area.cy / 2), white);
    }
}

// JPEG shifts colours a little, so a drawn pixel is compared within |tolerance| per channel.
testing::AssertionResult nearColour(COLORREF got, wic::Colour wanted, int tolerance) {
    if (std::abs(GetRValue(got) - wanted.red) <= tolerance &&
        std::abs(GetGValue(got) - wanted.green) <= tolerance &&
        std::abs(GetBValue(got) - wanted.blue) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "drawn " << int(GetRValue(got)) << "," << int(GetGValue(got)) << "," << int(GetBValue(got))
           << ", wanted " << int(wanted.red) << "," << int(wanted.green) << "," << int(wanted.blue);
}
}  // namespace

TEST_F(FileIconDlgTest, PreviewsPicturesScaledToFitAndConfirmsExactlyTheChosenFile) {
    OpenDialogDriver::whenOpen([&](OpenDialogDriver& driver) {
        driver.answerMessageBoxes();
        EXPECT_EQ(driver.text(IDC_PREVIEW_CHECK), "プレビュー");
        EXPECT_FALSE(driver.checked());
        EXPECT_TRUE(IsWindowVisible(driver.control(IDC_PREVIEW_AREA)));

        driver.select(L"wide.bmp");  // the preview is off: nothing is read or drawn
        EXPECT_EQ(driver.areaPixel(5, 5), lightGrey);
        driver.clickCheckBox();  // on: the selection is drawn at once
        EXPECT_TRUE(driver.checked());
        expectDrawnScaled(driver, 200, 100, RGB(255, 0, 0));
        EXPECT_EQ(driver.text(IDC_PREVIEW_SIZE), "SIZE= 200× 100");

        driver.select(L"tall.bmp");
        expectDrawnScaled(driver, 100, 200, RGB(0, 0, 255));
        EXPECT_EQ(driver.text(IDC_PREVIEW_SIZE), "SIZE= 100× 200");
        saveScreenshot("file-dialog-background");

        EXPECT_TRUE(driver.messageBoxTexts.empty());
        driver.select(L"broken.bmp");
        EXPECT_EQ(driver.messageBoxTexts,
                  std::vector<std::string>{"Ｗｉｎｄｏｗｓ形式以外はサポートしていません"});
        EXPECT_EQ(driver.areaPixel(5, 5), lightGrey);
        EXPECT_EQ(driver.text(IDC_PREVIEW_SIZE), "             ");

        driver.messageBoxTexts.clear();
        EXPECT_FALSE(driver.open(L"gone.bmp"));
        EXPECT_EQ(driver.messageBoxTexts,
                  std::vector<std::string>{"[ " + narrow(file(L"gone.bmp")) +
                                           " ] が見つかりません。\n\nパスとファイル名を確認して下さい。"});
        EXPECT_FALSE(driver.open(L"broken.bmp"));  // a picture that cannot be read is not taken
        EXPECT_TRUE(accepted.empty());

        driver.select(L"wide.bmp");
        EXPECT_TRUE(driver.open(L"tall.bmp"));  // typed, not the picture last shown
    });
    const std::optional<ChosenFile> chosen = CFileIconDlg::run(nullptr, setup);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, narrow(file(L"tall.bmp")));
    EXPECT_EQ(accepted, std::vector<std::string>{"100x200"});
    EXPECT_TRUE(checks.picturePreview);  // kept for the next dialog
}

// A JPEG goes through the program's own plug-in beside it and is drawn like a BMP: the right way round
// (red left, blue right, the green band at the bottom), scaled into the area, with its size.
TEST_F(FileIconDlgTest, PreviewsAJpegThroughTheProgramsOwnPlugIn) {
    constexpr int width = 160, height = 120;
    const wic::Colour red{255, 0, 0}, blue{0, 0, 255}, green{0, 160, 0};
    // Colour edges on the 16-pixel coding units, so each colour stays clean away from them.
    std::vector<wic::Colour> card(size_t(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) card[size_t(y * width + x)] = y >= 96 ? green : x < 80 ? red : blue;
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const bool encoded =
        wic::encodePicture(folder.file(L"card.jpg"), GUID_ContainerFormatJpeg, width, height, card);
    CoUninitialize();
    ASSERT_TRUE(encoded);

    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(programFolder())});
    ASSERT_TRUE(plugins.available());
    setup.plugins = &plugins;
    setup.filter = plugins.imageFilter();
    checks.picturePreview = true;
    OpenDialogDriver::whenOpen([&](OpenDialogDriver& driver) {
        driver.answerMessageBoxes();
        driver.select(L"card.jpg");
        EXPECT_TRUE(driver.messageBoxTexts.empty());
        EXPECT_EQ(driver.text(IDC_PREVIEW_SIZE), "SIZE= 160× 120");
        const SIZE area = driver.areaSize();
        const PreviewRect target = previewTarget(width, height, area.cx, area.cy);
        ASSERT_GT(target.width, 40);
        // A point of the picture (in its own pixels) where the area shows it.
        const auto drawn = [&](int x, int y) {
            return driver.areaPixel(target.x + x * target.width / width,
                                    target.y + y * target.height / height);
        };
        constexpr int tolerance = 32;
        EXPECT_TRUE(nearColour(drawn(8, 8), red, tolerance));
        EXPECT_TRUE(nearColour(drawn(width - 8, 8), blue, tolerance));
        EXPECT_TRUE(nearColour(drawn(40, 110), green, tolerance));
        // Wider than tall: white margins above and below.
        EXPECT_EQ(driver.areaPixel(area.cx / 2, target.y - 1), white);
        EXPECT_EQ(driver.areaPixel(area.cx / 2, target.y + target.height), white);
        saveScreenshot("file-dialog-jpeg");
        EXPECT_TRUE(driver.open(L"card.jpg"));
    });
    ASSERT_TRUE(CFileIconDlg::run(nullptr, setup));
    EXPECT_EQ(accepted, std::vector<std::string>{"160x120"});
}

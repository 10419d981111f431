#include <gtest/gtest.h>
#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <cstdlib>

#include "app/PluginMessages.h"
#include "app/win32/Win32Files.h"
#include "images/win32/CodePageText.h"
#include "images/win32/SusiePlugins.h"
#include "platform/win32/WideText.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/images/win32/WicEncoder.h"

namespace {
using wic::Colour;
using wic::encodePicture;

// A 4 x 2 test card; row 0 is the top row as the picture is seen.
const Colour red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255}, black{0, 0, 0},
    yellow{255, 255, 0}, teal{0, 128, 128}, grey{128, 128, 128};
const std::vector<Colour> card = {red, green, blue, white, black, yellow, teal, grey};

class WicPlugin : public ::testing::Test {
  protected:
    void SetUp() override { comReady_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    void TearDown() override {
        if (comReady_) CoUninitialize();
    }

    // Checks the card's pixels, each |scale| pixels apart from |scale| / 2 on, within |tolerance| per
    // channel.
    void expectCard(const DibImage& picture, int tolerance, int scale = 1) {
        ASSERT_TRUE(picture.isComplete());
        ASSERT_EQ(picture.width(), 4 * scale);
        ASSERT_EQ(picture.height(), 2 * scale);
        ASSERT_EQ(picture.bitCount(), 24);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 4; ++x) {
                const uint32_t got = picture.packedAt(x * scale + scale / 2, y * scale + scale / 2);
                const Colour& c = card[size_t(y * 4 + x)];
                const int channels[3] = {c.red, c.green, c.blue};
                for (int i = 0; i < 3; ++i)
                    EXPECT_LE(std::abs(int(got >> (8 * i) & 0xFF) - channels[i]), tolerance)
                        << "pixel " << x << "," << y << " channel " << i;
            }
        }
    }

    bool comReady_ = false;
};
}  // namespace

// The three plug-ins beside the program decode what the platform's encoders wrote, each found by the
// extension of its file, bottom row first as the program stores pictures.
TEST_F(WicPlugin, DecodesPngGifAndJpegFoundByExtension) {
    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(programFolder())});
    ASSERT_EQ(plugins.count(), 3u);
    for (const char* entry : {"JPEG (*.jpg)|*.jpg|", "PNG (*.png)|*.png|", "GIF (*.gif)|*.gif|"})
        EXPECT_NE(plugins.imageFilter().find(entry), std::string::npos) << plugins.imageFilter();

    TempFolder folder(L"wic");
    ASSERT_TRUE(encodePicture(folder.file(L"card.png"), GUID_ContainerFormatPng, 4, 2, card));
    ASSERT_TRUE(encodePicture(folder.file(L"card.gif"), GUID_ContainerFormatGif, 4, 2, card, card));
    // JPEG blurs single pixels and halves colour resolution, so its card has a 16 x 16 block of each
    // colour (one coding unit), checked at their middles.
    std::vector<Colour> blocks(64 * 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) blocks[size_t(y * 64 + x)] = card[size_t(y / 16 * 4 + x / 16)];
    ASSERT_TRUE(encodePicture(folder.file(L"card.jpeg"), GUID_ContainerFormatJpeg, 64, 32, blocks));
    folder.write(L"fake.png", std::vector<uint8_t>(64, 0x5A));

    struct Case {
        const wchar_t* name;
        const wchar_t* extension;
        int tolerance, scale;
    };
    for (const Case& c : {Case{L"card.png", L"PNG", 0, 1}, Case{L"card.gif", L"gif", 0, 1},
                          Case{L"card.jpeg", L"jpeg", 24, 16}}) {
        SCOPED_TRACE(narrow(c.name));
        DibImage picture;
        const PluginResult result = plugins.decode(folder.path() + L"\\" + c.name, c.extension, picture);
        ASSERT_TRUE(result.succeeded()) << pluginFailureText(result);
        expectCard(picture, c.tolerance, c.scale);
    }
    DibImage picture;

    EXPECT_EQ(pluginFailureText(plugins.decode(folder.path() + L"\\fake.png", L"png", picture)),
              pluginFailureText(PluginResult::failed(2)));
    EXPECT_TRUE(picture.empty());
}

// Beside the program's own JPEG plug-in, the same plug-in built by the other Windows build (32-bit beside
// 64-bit and back) is given this program's extension, as a user who copies the wrong one would: Windows
// cannot load it, and it is passed over without a word while the own one decodes.
TEST_F(WicPlugin, PassesOverAPluginOfTheOtherWidth) {
    const std::wstring otherWidth = programFolder() + (sizeof(void*) == 8 ? L"\\..\\windows32\\velmira-jpeg.spi"
                                                                           : L"\\..\\windows\\velmira-jpeg.sph");
    if (GetFileAttributesW(otherWidth.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the other Windows build is not beside this one";
    const std::wstring extension = widen(susiePluginExtension);
    TempFolder folder(L"widths");
    ASSERT_TRUE(CopyFileW(otherWidth.c_str(), folder.file(L"a-other-width" + extension).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((programFolder() + L"\\velmira-jpeg" + extension).c_str(),
                          folder.file(L"b-own-width" + extension).c_str(), FALSE));
    std::vector<Colour> blocks(16 * 16, teal);
    ASSERT_TRUE(encodePicture(folder.file(L"teal.jpg"), GUID_ContainerFormatJpeg, 16, 16, blocks));

    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(folder.path())});
    EXPECT_EQ(plugins.count(), 1u);
    DibImage picture;
    const PluginResult result = plugins.decode(folder.path() + L"\\teal.jpg", L"jpg", picture);
    ASSERT_TRUE(result.succeeded()) << pluginFailureText(result);
    EXPECT_EQ(picture.width(), 16);
}

// The published interface as any host uses it: a picture in memory, a check of a file's first bytes,
// texts cut to the buffer, and rows padded to 4 bytes.
TEST_F(WicPlugin, AnswersThePublishedCallsInMemoryMode) {
    TempFolder folder(L"wic-memory");
    const std::wstring path = folder.file(L"card.png");
    ASSERT_TRUE(encodePicture(path, GUID_ContainerFormatPng, 3, 1, {red, green, blue}));
    std::vector<uint8_t> file = readWholeFile(narrow(path)).bytes;
    const LONG_PTR read = LONG_PTR(file.size());
    std::vector<char> bytes(file.begin(), file.end());
    bytes.resize(std::max<size_t>(bytes.size(), 2048));

    HMODULE module = LoadLibraryW((programFolder() + L"\\velmira-png" + widen(susiePluginExtension)).c_str());
    ASSERT_NE(module, nullptr);
    const auto getPluginInfo = reinterpret_cast<GetPluginInfoEntry>(
        reinterpret_cast<void*>(GetProcAddress(module, "GetPluginInfo")));
    const auto getPicture =
        reinterpret_cast<GetPictureEntry>(reinterpret_cast<void*>(GetProcAddress(module, "GetPicture")));
    using IsSupportedEntry = int(WINAPI*)(LPSTR, ULONG_PTR);
    const auto isSupported =
        reinterpret_cast<IsSupportedEntry>(reinterpret_cast<void*>(GetProcAddress(module, "IsSupported")));
    ASSERT_TRUE(getPluginInfo && getPicture && isSupported);

    char text[8] = {};
    EXPECT_EQ(getPluginInfo(0, text, 8), 4);
    EXPECT_STREQ(text, "00IN");
    EXPECT_EQ(getPluginInfo(1, text, 8), 7);
    EXPECT_STREQ(text, "Velmira");
    EXPECT_EQ(getPluginInfo(9, text, 8), 0);
    EXPECT_NE(isSupported(const_cast<char*>("card.png"), ULONG_PTR(bytes.data())), 0);
    std::vector<char> notPng(2048, 'x');
    EXPECT_EQ(isSupported(const_cast<char*>("x.png"), ULONG_PTR(notPng.data())), 0);

    HLOCAL info = nullptr, bits = nullptr;
    ASSERT_EQ(getPicture(bytes.data(), read, 1, &info, &bits, nullptr, 0), 0);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LocalLock(info));
    const auto* rows = static_cast<const BYTE*>(LocalLock(bits));
    EXPECT_EQ(header->biSize, 40u);
    EXPECT_EQ(header->biWidth, 3);
    EXPECT_EQ(header->biHeight, 1);
    EXPECT_EQ(header->biBitCount, 24);
    EXPECT_EQ(LocalSize(bits), 12u);
    const std::vector<BYTE> row(rows, rows + 12);
    EXPECT_EQ(row, (std::vector<BYTE>{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}));
    LocalUnlock(info);
    LocalUnlock(bits);
    LocalFree(info);
    LocalFree(bits);

    info = bits = nullptr;
    EXPECT_EQ(getPicture(notPng.data(), LONG_PTR(notPng.size()), 1, &info, &bits, nullptr, 0),
              getPictureResult::unknownFormat);
    EXPECT_EQ(info, nullptr);
    EXPECT_EQ(bits, nullptr);
    FreeLibrary(module);
}

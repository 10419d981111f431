// The program's own plug-ins (velmira-png, -gif, -jpeg) under Wine, on pictures the platform's encoders
// made: tests/images/win32/pictures holds a 4 x 2 card (red, green, blue, white over black, yellow, teal,
// grey) as PNG and GIF, as JPEG with a 16 x 16 block of each colour (one coding unit, as JPEG blurs single
// pixels).
#include <gtest/gtest.h>
#include <windows.h>

#include "app/Messages.h"
#include "images/win32/SusiePlugins.h"
#include "platform/win32/WideText.h"
#include "tests/app/win32/TestFolders.h"

namespace {
// The card's pixels, each |scale| pixels apart from |scale| / 2 on, within |tolerance| per channel; row 0
// is the top row as the picture is seen.
void expectCard(const DibImage& picture, int tolerance, int scale) {
    const uint32_t card[8] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFFFF00, 0x008080, 0x808080};
    ASSERT_TRUE(picture.isComplete());
    ASSERT_EQ(std::vector<int>({picture.width(), picture.height(), picture.bitCount()}),
              std::vector<int>({4 * scale, 2 * scale, 24}));
    for (int i = 0; i < 8; ++i) {
        const uint32_t got = picture.packedAt(i % 4 * scale + scale / 2, i / 4 * scale + scale / 2);
        const uint32_t wanted = packColour(uint8_t(card[i] >> 16), uint8_t(card[i] >> 8), uint8_t(card[i]));
        EXPECT_TRUE(coloursNear(got, wanted, tolerance)) << "pixel " << i;
    }
}
}  // namespace

// Each plug-in beside the program is found by the extension of its file and decodes bottom row first, as
// the program stores pictures.
TEST(WicPlugin, DecodesPngGifAndJpegFoundByExtension) {
    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(programFolder())});
    ASSERT_EQ(plugins.count(), 3u);
    EXPECT_NE(plugins.imageFilter().find("JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|"), std::string::npos);
    const struct {
        const wchar_t* name;
        const wchar_t* extension;
        int tolerance, scale;
    } cards[] = {{L"card.png", L"PNG", 0, 1}, {L"card.gif", L"gif", 0, 1}, {L"card.jpeg", L"jpeg", 24, 16}};
    for (const auto& card : cards) {
        SCOPED_TRACE(narrow(card.name));
        DibImage picture;
        const PluginResult result = plugins.decode(testPicture(card.name), card.extension, picture);
        ASSERT_TRUE(result.succeeded()) << pluginFailureText(result);
        expectCard(picture, card.tolerance, card.scale);
    }
    TempFolder folder(L"wic");
    DibImage picture;
    EXPECT_EQ(pluginFailureText(
                  plugins.decode(folder.write(L"fake.png", std::vector<uint8_t>(64, 0x5A)), L"png", picture)),
              pluginFailureText(PluginResult::failed(2)));
    EXPECT_TRUE(picture.empty());

    // A file far larger than any picture the program takes is refused before it is read.
    const std::wstring huge = folder.write(L"huge.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
    HANDLE file = CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size{};
    size.QuadPart = LONGLONG(65) << 20;  // sparse: nothing is written
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_EQ(pluginFailureText(plugins.decode(huge, L"png", picture)),
              pluginFailureText(PluginResult::failed(getPictureResult::readError)));
}

// Beside the program's own JPEG plug-in, the same plug-in built by the other Windows build (32-bit beside
// 64-bit and back) is given this program's extension, as a user who copies the wrong one would: Windows
// cannot load it, and it is passed over without a word while the own one decodes.
TEST(WicPlugin, PassesOverAPluginOfTheOtherWidth) {
    const std::wstring otherWidth =
        programFolder() +
        (sizeof(void*) == 8 ? L"\\..\\windows32\\velmira-jpeg.spi" : L"\\..\\windows\\velmira-jpeg.sph");
    if (GetFileAttributesW(otherWidth.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the other Windows build is not beside this one";
    const std::wstring extension = widen(susiePluginExtension);
    TempFolder folder(L"widths");
    ASSERT_TRUE(CopyFileW(otherWidth.c_str(), folder.file(L"a-other-width" + extension).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((programFolder() + L"\\velmira-jpeg" + extension).c_str(),
                          folder.file(L"b-own-width" + extension).c_str(), FALSE));
    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(folder.path())});
    EXPECT_EQ(plugins.count(), 1u);
    DibImage picture;
    const PluginResult result = plugins.decode(testPicture(L"card.jpeg"), L"jpeg", picture);
    ASSERT_TRUE(result.succeeded()) << pluginFailureText(result);
    EXPECT_EQ(picture.width(), 64);
}

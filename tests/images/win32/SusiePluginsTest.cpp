#include <gtest/gtest.h>
#include <windows.h>

#include "app/Messages.h"
#include "images/LittleEndian.h"
#include "images/win32/SusiePlugins.h"
#include "platform/win32/WideText.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/images/BmpBuilder.h"

namespace {
// A plug-in file's name as this program looks for it.
std::wstring plugin(const std::wstring& name) {
    return name + widen(susiePluginExtension);
}

const wchar_t* const susieKey = L"Software\\Brevosan\\Susie\\Plug-in";
const std::string bmpFilter = "ビットマップ(*.bmp)|*.bmp|";

// What the scripted test plug-in's GetPicture returns for a file holding this.
std::vector<uint8_t> script(int32_t result, const std::vector<uint8_t>& info,
                            const std::vector<uint8_t>& bits) {
    std::vector<uint8_t> bytes(4);
    writeLe32(bytes.data(), uint32_t(result));
    for (const std::vector<uint8_t>* block : {&info, &bits}) {
        uint8_t length[4];
        writeLe32(length, uint32_t(block->size()));
        bytes.insert(bytes.end(), length, length + 4);
        bytes.insert(bytes.end(), block->begin(), block->end());
    }
    return bytes;
}

// A 24-bit picture's BITMAPINFOHEADER.
std::vector<uint8_t> infoHeader(int32_t width, int32_t height) {
    const std::vector<uint8_t> file = BmpBuilder(width, height, 24).bytes();
    return {file.begin() + 14, file.begin() + 54};
}

void setRegistryFolder(const std::wstring& folder) {
    RegSetKeyValueW(HKEY_CURRENT_USER, susieKey, L"Path", REG_SZ, folder.c_str(),
                    DWORD((folder.size() + 1) * sizeof(wchar_t)));
}
}  // namespace

// Only image importers with both entry points stay; a file that is no library is passed over. The
// importer's type name fills its whole 256-byte buffer without a terminator and is read up to 255 bytes.
TEST(SusiePlugins, KeepsOnlyImageImportersAndListsThemInTheFilter) {
    TempFolder folder(L"importers");
    folder.addPlugin(plugin(L"archive"), plugin(L"a-archive"));
    folder.addPlugin(plugin(L"no-get-picture"), plugin(L"b-nopicture"));
    folder.write(plugin(L"c-broken"), {'n', 'o', 't', ' ', 'a', ' ', 'd', 'l', 'l'});
    folder.addPlugin(plugin(L"scripted-importer"), plugin(L"d-importer"));
    folder.addPlugin(plugin(L"scripted-importer"), L"readme.txt");  // not a plug-in's extension

    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(folder.path())});
    EXPECT_TRUE(plugins.available() && plugins.count() == 1);
    EXPECT_EQ(plugins.imageFilter(),
              "すべてのファイル(*.*)|*.*|" + bmpFilter + std::string(255, 'N') + " (*.tst)|*.tst|");
}

// The registry's folder, then the start folder, then the Windows folder: the first holding any plug-in file
// is taken, even when none of its files is an importer. The key is only ever read.
TEST(SusiePlugins, FoldersAreTriedInOrderAndTheRegistryIsOnlyRead) {
    TempFolder archives(L"order-archives");
    archives.addPlugin(plugin(L"archive"), plugin(L"archive"));
    TempFolder importers(L"order-importers");
    importers.addPlugin(plugin(L"scripted-importer"), plugin(L"importer"));
    TempFolder empty(L"order-empty");

    setRegistryFolder(archives.path() + L"\\");
    EXPECT_FALSE(loadSusiePlugins(true, importers.path()).available());
    EXPECT_TRUE(loadSusiePlugins(false, importers.path()).available()) << "the registry is not read";
    setRegistryFolder(importers.path());
    EXPECT_TRUE(loadSusiePlugins(true, archives.path()).available());

    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brevosan");
    EXPECT_FALSE(loadSusiePlugins(true, empty.path()).available());
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring inWindows = std::wstring(windows) + L"\\" + plugin(L"velmira-test-importer");
    ASSERT_TRUE(CopyFileW((programFolder() + L"\\test-plugins\\" + plugin(L"scripted-importer")).c_str(),
                          inWindows.c_str(), FALSE));
    EXPECT_EQ(loadSusiePlugins(true, empty.path()).count(), 1u);  // and let go before the file goes
    DeleteFileW(inWindows.c_str());
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, susieKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

// The scripted plug-in opens the file by the name it is given, so a Japanese name proves the path reached
// it in code page 932. A failing result leaves no picture, whether the plug-in set its handles or not; a
// missing handle, or blocks shorter than their header says, are refused. The results' texts and the
// checks of a picture's header are checked natively.
TEST(SusiePlugins, DecodesThroughAJapanesePathAndRefusesFailuresAndHostileBlocks) {
    TempFolder folder(L"decode");
    folder.addPlugin(plugin(L"scripted-importer"), plugin(L"importer"));
    const SusiePlugins plugins = SusiePlugins::loadFrom({narrow(folder.path())});

    // 2 x 2, 24 bits, rows of 8 bytes bottom row first: a colour at the bottom left and the top right.
    const std::vector<uint8_t> bits = {1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0xA1, 0xA2, 0xA3, 0, 0};
    DibImage picture;
    const PluginResult result =
        plugins.decode(folder.write(L"画像.tst", script(0, infoHeader(2, 2), bits)), L"tst", picture);
    ASSERT_TRUE(result.succeeded()) << pluginFailureText(result);
    ASSERT_TRUE(picture.isComplete());
    EXPECT_EQ(picture.packedAt(0, 1), packColour(0x03, 0x02, 0x01));
    EXPECT_EQ(picture.packedAt(1, 0), packColour(0xA3, 0xA2, 0xA1));

    const std::vector<uint8_t> goodInfo = infoHeader(1, 1), goodBits(4, 0);
    const struct {
        const char* what;
        std::vector<uint8_t> script;
        PluginResult result;
    } hostile[] = {
        {"a failure without handles", script(-1, {}, {}), PluginResult::failed(-1)},
        {"a failure with both handles set", script(8, goodInfo, goodBits), PluginResult::failed(8)},
        {"success without the bits", script(0, goodInfo, {}), {PluginResult::lockFailed}},
        {"success without the header", script(0, {}, goodBits), {PluginResult::lockFailed}},
        {"a header cut short",
         script(0, std::vector<uint8_t>(goodInfo.begin(), goodInfo.begin() + 20), goodBits),
         PluginResult::failed(3)},
        {"fewer bits than the header says", script(0, infoHeader(2, 2), goodBits), PluginResult::failed(3)},
    };
    for (const auto& row : hostile) {
        SCOPED_TRACE(row.what);
        DibImage left = DibImage::create24(1, 1);
        const PluginResult result = plugins.decode(folder.write(L"hostile.tst", row.script), L"tst", left);
        EXPECT_TRUE(left.empty());
        EXPECT_EQ(pluginFailureText(result), pluginFailureText(row.result));
    }
}

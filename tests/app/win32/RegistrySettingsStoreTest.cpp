// The settings in the real registry of this Wine prefix, under the program's own key.
#include <gtest/gtest.h>
#include <windows.h>

#include "resources/CommandIds.h"
#include "app/Settings.h"
#include "app/SettingsMenu.h"
#include "app/win32/RegistrySettingsStore.h"

namespace {

bool keyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

struct AnswerYes : SettingsMenuHost {
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void postClose() override {}
    std::vector<std::string> messages;
};

// Each test starts without the program's key, as on a first run, and leaves none behind.
struct RegistrySettingsStoreTest : testing::Test {
    void SetUp() override { removeSettings(); }
    void TearDown() override { removeSettings(); }
    static void removeSettings() {
        for (const wchar_t* key :
             {L"Software\\Velmira\\Dir\\Probe", L"Software\\Velmira\\Other", L"Software\\Velmira\\Dir",
              L"Software\\Velmira\\Mru", L"Software\\Velmira\\User", L"Software\\Velmira"})
            RegDeleteKeyW(HKEY_CURRENT_USER, key);
    }
};

}  // namespace

TEST_F(RegistrySettingsStoreTest, WhatIsWrittenAtExitIsReadAtTheNextStart) {
    Settings settings;
    RecentFiles history;
    {
        RegistrySettingsStore firstRun;
        loadSettings(firstRun, "C:\\起動", settings, history);
    }
    ASSERT_TRUE(settings.usable);
    const std::string longFolder = "C:\\" + std::string(297, 'x');  // a 300-character path
    settings.saveDir = longFolder;
    settings.soundModule = 2;
    settings.backgroundPath = "C:\\絵\\表.bmp";
    history.noteOpened("C:\\曲\\表.mid");
    history.noteOpened(longFolder + "\\long.mid");
    {
        RegistrySettingsStore atExit;
        ASSERT_EQ(saveSettings(atExit, settings, history), SettingsStore::Status::ok);
    }

    RegistrySettingsStore nextStart;
    Settings reread;
    RecentFiles rereadHistory;
    loadSettings(nextStart, "C:\\elsewhere", reread, rereadHistory);
    EXPECT_TRUE(reread.usable);
    EXPECT_EQ(reread.readDir, "C:\\起動");
    EXPECT_EQ(reread.saveDir, longFolder);
    EXPECT_EQ(reread.texDir, "C:\\起動");
    EXPECT_EQ(reread.soundModule, 2);
    EXPECT_EQ(reread.backgroundPath, "C:\\絵\\表.bmp");
    ASSERT_EQ(rereadHistory.count(), 2);
    EXPECT_EQ(rereadHistory.at(0), longFolder + "\\long.mid");
    EXPECT_EQ(rereadHistory.at(1), "C:\\曲\\表.mid");
    std::string slot;
    ASSERT_EQ(nextStart.readString(Settings::historyKey, "Mru3", slot), SettingsStore::Status::ok);
    EXPECT_EQ(slot, "empty");
}

TEST_F(RegistrySettingsStoreTest, ValuesOfAnotherTypeOrMissingAreToldApart) {
    RegistrySettingsStore store;
    ASSERT_EQ(store.writeString(Settings::userKey, "Ongen", "1"), SettingsStore::Status::ok);
    ASSERT_EQ(store.writeNumber(Settings::userKey, "Number", 7), SettingsStore::Status::ok);
    uint32_t number = 0;
    std::string text;
    EXPECT_EQ(store.readNumber(Settings::userKey, "Ongen", number), SettingsStore::Status::wrongType);
    EXPECT_EQ(store.readString(Settings::userKey, "Number", text), SettingsStore::Status::wrongType);
    EXPECT_EQ(store.readNumber(Settings::userKey, "Number", number), SettingsStore::Status::ok);
    EXPECT_EQ(number, 7u);
    EXPECT_EQ(store.readString(Settings::userKey, "None", text), SettingsStore::Status::absent);
    EXPECT_EQ(store.readString("Software\\Velmira\\None", "None", text), SettingsStore::Status::absent);
    ASSERT_EQ(store.writeString(Settings::userKey, "Empty", ""), SettingsStore::Status::ok);
    text = "unchanged";
    EXPECT_EQ(store.readString(Settings::userKey, "Empty", text), SettingsStore::Status::ok);
    EXPECT_EQ(text, "");
}

// Windows refuses a lasting key below one that only lives until the next restart.
TEST_F(RegistrySettingsStoreTest, KeysAreCreatedToOutlastARestart) {
    RegistrySettingsStore store;
    ASSERT_EQ(store.writeString(Settings::folderKey, "ReadDir", "C:\\"), SettingsStore::Status::ok);
    HKEY probe = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velmira\\Dir\\Probe", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, &probe, nullptr),
              ERROR_SUCCESS);
    if (probe) RegCloseKey(probe);
}

TEST_F(RegistrySettingsStoreTest, DeletingTheSettingsRemovesTheProgramsKey) {
    Settings settings;
    RecentFiles history;
    RegistrySettingsStore store;
    loadSettings(store, "C:\\", settings, history);
    ASSERT_EQ(saveSettings(store, settings, history), SettingsStore::Status::ok);
    ASSERT_TRUE(keyExists(L"Software\\Velmira\\Mru"));
    AnswerYes host;
    SettingsMenu menu(store, settings, host);
    menu.run(IDM_DELETE_SETTINGS_AND_EXIT);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(keyExists(L"Software\\Velmira"));
    EXPECT_TRUE(keyExists(L"Software"));
}

TEST_F(RegistrySettingsStoreTest, AKeyWithSubkeysIsNotDeletedWhole) {
    RegistrySettingsStore store;
    ASSERT_EQ(store.writeString(Settings::folderKey, "ReadDir", "C:\\"), SettingsStore::Status::ok);
    EXPECT_EQ(store.deleteKey(Settings::rootKey), SettingsStore::Status::failed);
    EXPECT_EQ(store.deleteKey(Settings::folderKey), SettingsStore::Status::ok);
    EXPECT_EQ(store.deleteKey(Settings::folderKey), SettingsStore::Status::absent);
    EXPECT_EQ(store.deleteKey(Settings::rootKey), SettingsStore::Status::ok);
}

// The settings store in the real registry of this Wine prefix, under the program's own key (which every
// test starts and ends without). The window's own use of it is checked by MainWindowSettingsTest.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/Settings.h"
#include "app/win32/RegistrySettingsStore.h"

using Status = SettingsStore::Status;

// A value is read at whatever length it has, not cut to a buffer of MAX_PATH.
TEST(RegistrySettingsStore, StringsOfAnyLengthAndScriptComeBackAsWritten) {
    const std::string longFolder = "C:\\" + std::string(297, 'x');
    {
        RegistrySettingsStore atExit;
        ASSERT_EQ(atExit.writeString(Settings::folderKey, "SaveDir", longFolder), Status::ok);
        ASSERT_EQ(atExit.writeString(Settings::userKey, "BackBmp", "C:\\絵\\表.bmp"), Status::ok);
    }
    RegistrySettingsStore nextStart;
    std::string text;
    EXPECT_EQ(nextStart.readString(Settings::folderKey, "SaveDir", text), Status::ok);
    EXPECT_EQ(text, longFolder);
    EXPECT_EQ(nextStart.readString(Settings::userKey, "BackBmp", text), Status::ok);
    EXPECT_EQ(text, "C:\\絵\\表.bmp");
}

TEST(RegistrySettingsStore, ValuesOfAnotherTypeOrMissingAreToldApart) {
    RegistrySettingsStore store;
    ASSERT_EQ(store.writeString(Settings::userKey, "Ongen", "1"), Status::ok);
    ASSERT_EQ(store.writeNumber(Settings::userKey, "Number", 7), Status::ok);
    ASSERT_EQ(store.writeString(Settings::userKey, "Empty", ""), Status::ok);
    uint32_t number = 0;
    std::string text = "unchanged";
    EXPECT_EQ(store.readNumber(Settings::userKey, "Ongen", number), Status::wrongType);
    EXPECT_EQ(store.readString(Settings::userKey, "Number", text), Status::wrongType);
    EXPECT_EQ(store.readNumber(Settings::userKey, "Number", number), Status::ok);
    EXPECT_EQ(number, 7u);
    EXPECT_EQ(store.readString(Settings::userKey, "None", text), Status::absent);
    EXPECT_EQ(store.readString("Software\\Velmira\\None", "None", text), Status::absent);
    EXPECT_EQ(store.readString(Settings::userKey, "Empty", text), Status::ok);
    EXPECT_EQ(text, "");
}

// Windows refuses a lasting key below one that only lives until the next restart.
TEST(RegistrySettingsStore, KeysAreCreatedToOutlastARestart) {
    RegistrySettingsStore store;
    ASSERT_EQ(store.writeString(Settings::folderKey, "ReadDir", "C:\\"), Status::ok);
    HKEY probe = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velmira\\Dir\\Probe", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, &probe, nullptr),
              ERROR_SUCCESS);
    if (probe) RegCloseKey(probe);
}

TEST(RegistrySettingsStore, AKeyWithSubkeysIsNotDeletedWhole) {
    RegistrySettingsStore store;
    ASSERT_EQ(store.writeString(Settings::folderKey, "ReadDir", "C:\\"), Status::ok);
    EXPECT_EQ(store.deleteKey(Settings::rootKey), Status::failed);
    EXPECT_EQ(store.deleteKey(Settings::folderKey), Status::ok);
    EXPECT_EQ(store.deleteKey(Settings::folderKey), Status::absent);
    EXPECT_EQ(store.deleteKey(Settings::rootKey), Status::ok);
}

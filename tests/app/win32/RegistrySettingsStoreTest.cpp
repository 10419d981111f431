// The settings store in the real registry of this Wine prefix, under the program's own key (which every
// test starts and ends without). The window's own use of it is checked by MainWindowSettingsTest.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/Settings.h"
#include "app/win32/RegistrySettingsStore.h"

using Status = SettingsStore::Status;

// A value is read at whatever length it has, not cut to a buffer of MAX_PATH; values of another type or
// missing are told apart.
TEST(RegistrySettingsStore, ValuesComeBackAsWrittenOrAsWrongTypeOrAbsent) {
    const std::string longFolder = "C:\\" + std::string(297, 'x') + "\\絵";
    {
        RegistrySettingsStore atExit;
        ASSERT_EQ(atExit.writeString(Settings::folderKey, "SaveDir", longFolder), Status::ok);
        ASSERT_EQ(atExit.writeNumber(Settings::userKey, "Number", 7), Status::ok);
    }
    RegistrySettingsStore store;
    std::string text;
    uint32_t number = 0;
    EXPECT_EQ(store.readString(Settings::folderKey, "SaveDir", text), Status::ok);
    EXPECT_EQ(store.readNumber(Settings::userKey, "Number", number), Status::ok);
    EXPECT_EQ(std::pair(text, number), std::pair(longFolder, 7u));
    EXPECT_EQ(store.readNumber(Settings::folderKey, "SaveDir", number), Status::wrongType);
    EXPECT_EQ(store.readString(Settings::userKey, "Number", text), Status::wrongType);
    EXPECT_EQ(store.readString(Settings::userKey, "None", text), Status::absent);
    EXPECT_EQ(store.readString("Software\\Velmira\\None", "None", text), Status::absent);
}

// Windows refuses a lasting key below one that only lives until the next restart; and a key with subkeys is
// not deleted whole.
TEST(RegistrySettingsStore, KeysOutlastARestartAndGoOnlyOnceEmpty) {
    RegistrySettingsStore store;
    ASSERT_EQ(store.writeString(Settings::folderKey, "ReadDir", "C:\\"), Status::ok);
    HKEY probe = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velmira\\Dir\\Probe", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, &probe, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(probe);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Velmira\\Dir\\Probe");
    EXPECT_EQ((std::vector<Status>{store.deleteKey(Settings::rootKey), store.deleteKey(Settings::folderKey),
                                   store.deleteKey(Settings::folderKey), store.deleteKey(Settings::rootKey)}),
              (std::vector<Status>{Status::failed, Status::ok, Status::absent, Status::ok}));
}

// The program's settings and the plug-ins' folder in this Wine prefix's registry are shared by every test
// that starts the real window or program or loads plug-ins: each test starts without them, as on a first
// run, and leaves none behind. A listener does it for every test of the suite, so no test can forget it.
#include <gtest/gtest.h>
#include <windows.h>

namespace {
void removeSharedKeys() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velmira");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brevosan");
}

class SettingsKeyCleanup : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { removeSharedKeys(); }
    void OnTestEnd(const testing::TestInfo&) override { removeSharedKeys(); }
};

const bool installed = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new SettingsKeyCleanup);
    return true;
}();
}  // namespace

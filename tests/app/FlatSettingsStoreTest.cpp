// The settings as text pairs: what one run writes, the next reads back from the pairs alone.
#include <gtest/gtest.h>

#include "tests/support/MemorySettingsStore.h"

using Status = SettingsStore::Status;

TEST(FlatSettingsStoreTest, ValuesComeBackFromTheKeptPairsWithTheirKinds) {
    MemorySettingsStore first, next;
    first.writeNumber("A\\User", "Ongen", 4294967295u);
    first.writeString("A\\User", "MidiIn", "Keys\\1 n:");
    for (const auto& [name, text] : first.storage) EXPECT_TRUE(next.restore(name, text));
    uint32_t number = 0;
    std::string text;
    EXPECT_EQ((std::vector<Status>{
                  next.readNumber("A\\User", "Ongen", number), next.readString("A\\User", "MidiIn", text),
                  next.readString("A\\User", "Ongen", text), next.readNumber("A\\User", "Other", number)}),
              (std::vector<Status>{Status::ok, Status::ok, Status::wrongType, Status::absent}));
    EXPECT_EQ(std::pair(number, text), std::pair(4294967295u, std::string("Keys\\1 n:")));
}

TEST(FlatSettingsStoreTest, PairsNoWriteMakesArePassedOver) {
    MemorySettingsStore store;
    for (const char* text : {"", "s", "sx", "x:1", "n:", "n:-1", "n:01", "n:4294967296", "n:1a"})
        EXPECT_FALSE(store.restore("A\\B", text)) << text;
    EXPECT_TRUE(!store.restore("NoKey", "s:x") && !store.restore("A\\", "s:x") && store.entries().empty());
    EXPECT_TRUE(store.restore("A\\B", "n:0") && store.restore("A\\C", "s:"));  // a lone 0, an empty text
}

// A key goes only without keys under it; a change the storage refused is not held.
TEST(FlatSettingsStoreTest, AKeyGoesOnlyWithoutKeysUnderItAndARefusedChangeIsNotHeld) {
    MemorySettingsStore store;
    store.writeString("A\\B", "v", "1");
    store.writeString("A", "w", "2");
    EXPECT_EQ((std::vector<Status>{store.deleteKey("A"), store.deleteKey("A\\B"), store.deleteKey("A\\B"),
                                   store.deleteKey("A")}),
              (std::vector<Status>{Status::failed, Status::ok, Status::absent, Status::ok}));
    EXPECT_TRUE(store.storage.empty());
    store.writeString("A", "v", "old");
    store.refuseWrites = true;
    std::string text;
    EXPECT_EQ(store.writeString("A", "v", "new"), Status::failed);
    EXPECT_EQ(store.deleteKey("A"), Status::failed);
    EXPECT_TRUE(store.readString("A", "v", text) == Status::ok && text == "old");
}

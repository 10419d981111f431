#include <gtest/gtest.h>

#include "resources/CommandIds.h"
#include "tones/SoundModuleMenu.h"

TEST(SoundModuleMenu, ChecksTheChosenModuleAloneAndIgnoresOtherItemsAndAChangeWhilePlaying) {
    SoundModule module = SoundModule::sc88;
    bool playing = false;
    SoundModuleMenu menu(module, [&] { return playing; });
    const std::pair<int, SoundModule> items[] = {{IDM_MODULE_SC55, SoundModule::sc55},
                                                 {IDM_MODULE_SB16, SoundModule::sb16},
                                                 {IDM_MODULE_SC88, SoundModule::sc88}};
    for (const auto& [item, chosen] : items) {
        menu.run(item);
        EXPECT_EQ(module, chosen);
        for (const auto& other : items) EXPECT_EQ(menu.checked(other.first), other.first == item) << item;
    }
    playing = true;
    menu.run(IDM_MODULE_SB16);
    EXPECT_TRUE(module == SoundModule::sc88 && menu.checked(IDM_MODULE_SC88));
}

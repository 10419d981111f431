#include <gtest/gtest.h>

#include "resources/CommandIds.h"
#include "tones/SoundModuleMenu.h"

namespace {
TEST(SoundModuleMenu, HandlesItsThreeItemsOnlyAndChecksTheSelectedModuleAlone) {
    SoundModule module = SoundModule::sc88;
    SoundModuleMenu menu(module, [] { return false; });
    for (int id : {IDM_EFFECT_TIME, IDM_EFFECT_IMAGE3, 0}) {
        EXPECT_FALSE(menu.handles(id)) << id;
        menu.run(id);
        EXPECT_FALSE(menu.checked(id)) << id;
    }
    EXPECT_EQ(module, SoundModule::sc88);
    const struct {
        int item;
        SoundModule module;
    } items[] = {{IDM_MODULE_SC55, SoundModule::sc55},
                 {IDM_MODULE_SB16, SoundModule::sb16},
                 {IDM_MODULE_SC88, SoundModule::sc88}};
    for (const auto& chosen : items) {
        EXPECT_TRUE(menu.handles(chosen.item));
        menu.run(chosen.item);
        EXPECT_EQ(module, chosen.module);
        for (const auto& other : items) EXPECT_EQ(menu.checked(other.item), other.item == chosen.item);
    }
}

TEST(SoundModuleMenu, IgnoresAChangeWhilePlaying) {
    SoundModule module = SoundModule::sc88;
    bool playing = true;
    SoundModuleMenu menu(module, [&] { return playing; });
    menu.run(IDM_MODULE_SB16);
    EXPECT_EQ(module, SoundModule::sc88);
    EXPECT_TRUE(menu.checked(IDM_MODULE_SC88));
    playing = false;
    menu.run(IDM_MODULE_SB16);
    EXPECT_EQ(module, SoundModule::sb16);
}
}  // namespace

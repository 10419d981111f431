#include <gtest/gtest.h>

#include "app/MenuAreaOf.h"

namespace {
// Rules of a lower layer: one item, checked while on, run toggles it.
struct ToggleRules {
    explicit ToggleRules(bool& on) : on(on) {}
    bool handles(int id) const { return id == 7; }
    void run(int) { on = !on; }
    bool checked(int) const { return on; }
    bool& on;
};
// The same, with an item greyed while on.
struct GreyingRules : ToggleRules {
    using ToggleRules::ToggleRules;
    bool enabled(int) const { return !on; }
};
}  // namespace

TEST(MenuAreaOf, PassesCommandsAndChecksToTheRulesAndTheirEnabledStateWhenTheyHaveOne) {
    bool on = false;
    MenuAreaOf<ToggleRules> plain(on);
    MenuAreaOf<GreyingRules> greying(on);
    EXPECT_TRUE(plain.handles(7));
    EXPECT_FALSE(plain.handles(8));
    plain.run(7);
    EXPECT_TRUE(plain.state(7).checked);
    EXPECT_TRUE(plain.state(7).enabled);  // rules without enabled() never grey an item
    EXPECT_FALSE(greying.state(7).enabled);
    greying.run(7);
    EXPECT_FALSE(greying.state(7).checked);
    EXPECT_TRUE(greying.state(7).enabled);
}

// The hot keys: none works beside an effect dialog. That each does what its face button or menu item does
// is proved by pressing them on the real window.
#include "app/HotKeys.h"
#include "tests/app/FaceControlsFixture.h"

namespace {
class HotKeysTest : public FaceControlsTest {};
}  // namespace

TEST_F(HotKeysTest, NoKeyWorksWhileAnEffectDialogIsOpen) {
    play();
    face.effectDialogOpen = true;
    for (const HotKeyBinding& binding : hotKeyBindings) {
        EXPECT_EQ(pressHotKey(binding.key, controls, face, true), FaceAction::none);
        EXPECT_EQ(faceActionForKey(binding.key, face, false), FaceAction::none);
    }
    EXPECT_TRUE(rig.player.playing());
    EXPECT_TRUE(sent().empty());
}

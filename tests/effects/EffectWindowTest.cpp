#include "tests/effects/EventFilterFixture.h"

// The folk scale moves every pitch class, so a plain note and a remapped one always differ:
// 3C (C4) -> 38, 40 (E4) -> 3D, 43 (G4) -> 3F.
namespace {
TEST_F(EventFilterFixture, AWindowFromZeroRemapsTheFirstNoteAndASilencedNoteOnCountsAsARelease) {
    selectEffect(EffectType::suspense, 0, 10);
    EXPECT_EQ(filtered("90 3C 64; 80 3C 00"), steps("90 3F 64; 80 3F 00"));
    EXPECT_TRUE(filter.effectState(0).entered);
    EXPECT_EQ(filtered("at 10; 90 3E 64; at 11; 90 3C 64"), steps("90 3E 00; 90 3C 64"))
        << "silenced at the end, and past it nothing remapped is held";
}

// A release goes exactly where its note-on went, whatever came between: a note-off of a key that is not held
// (common in files, and counted as nothing), the window's edges, a change of the transpose, a restart.
TEST_F(EventFilterFixture, EachReleaseEndsWhatItsNoteOnSentAndAStrayOneChangesNothing) {
    const struct {
        const char *why, *inputs, *sent;
    } cases[] = {
        // Started while a remapped note is held, however quiet, so remapped; with nothing held, plain after.
        {"remapped, past a stray note-off and the window's end",
         "window 2 4; at 4; 90 3C 01; 80 3E 00; at 5; 90 40 64; 80 3C 00; 80 40 00; 90 43 64",
         "90 38 01; 80 3E 00; 90 3D 64; 80 38 00; 80 3D 00; 90 43 64"},
        // A note added while plain notes sound is plain too, another channel enters on its own, velocity 0
        // releases like a note-off, and the first note after every plain note has ended is remapped.
        {"plain, past a stray note-off and the window's start",
         "window 5 10; at 4; 90 3C 64; 90 40 64; 80 3E 00; at 5; 90 43 64; 91 3C 64; 80 3C 00; 90 40 00; "
         "80 43 00; 90 3C 64",
         "90 3C 64; 90 40 64; 80 3E 00; 90 43 64; 91 38 64; 80 3C 00; 90 40 00; 80 43 00; 90 38 64"},
        {"note-ons of velocity 0 as the releases",
         "window 2 4; at 2; 90 3C 64; at 3; 90 3E 00; at 5; 90 3C 00", "90 38 64; 90 3E 00; 90 38 00"},
        {"the transpose changed while held", "window 20 30; shift 2; 90 3C 64; shift 5; 80 3C 00",
         "90 3E 64; 80 3E 00"},
        {"struck twice alike, remapped until its second release, a third release stray",
         "window 2 4; at 2; 90 3C 64; 90 3C 64; 80 3C 00; at 5; 90 40 64; 80 3C 00; 80 3C 00",
         "90 38 64; 90 38 64; 80 38 00; 90 3D 64; 80 38 00; 80 3C 00"},
        {"struck again after a transpose: the first key is let go",
         "window 20 30; shift 2; 90 3C 64; shift 5; 90 3C 64; 80 3C 00",
         "90 3E 64; 90 41 64 + 90 3E 00; 80 41 00"},
        {"a note held before a restart is forgotten", "window 5 10; at 4; 91 3C 64; restart; at 5; 91 40 64",
         "91 3C 64; 91 3D 64"},
    };
    for (const auto& c : cases) {
        filter.resetForPlayback();
        controls.keyShiftActive = false;
        EXPECT_EQ(filtered(c.inputs), steps(c.sent)) << c.why;
    }
}

}  // namespace

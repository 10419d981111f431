#include "tests/effects/EventFilterFixture.h"

// The folk scale moves every pitch class, so a plain note and a remapped one always differ:
// 3C (C4) -> 38, 40 (E4) -> 3D, 43 (G4) -> 3F.
namespace {
TEST_F(EventFilterFixture, ChordHeldAcrossTheWindowStartStaysPlainUntilReleased) {
    selectEffect(EffectType::folk, 5, 10);
    clock.playSeconds = 4;
    EXPECT_EQ(filtered({"90 3C 64", "90 40 64"}), (Lines{"90 3C 64", "90 40 64"}));
    clock.playSeconds = 5;
    // A note added while plain notes sound is plain too, another channel enters on its own, velocity 0
    // releases like a note-off, and the first note after every plain note has ended is remapped.
    EXPECT_EQ(filtered({"90 43 64", "91 3C 64", "80 3C 00", "90 40 00", "80 43 00", "90 3C 64"}),
              (Lines{"90 43 64", "91 38 64", "80 3C 00", "90 40 00", "80 43 00", "90 38 64"}));
    EXPECT_TRUE(filter.effectState(0).entered);
}

TEST_F(EventFilterFixture, NoteHeldAcrossTheWindowEndIsReleasedRemapped) {
    selectEffect(EffectType::folk, 5, 10);
    clock.playSeconds = 10;
    EXPECT_EQ(filtered({"90 3C 64"}), Lines{"90 38 64"});
    clock.playSeconds = 11;
    // Started while a remapped note is held, so remapped as well; with nothing held, plain from then on.
    EXPECT_EQ(filtered({"90 40 64", "80 3C 00", "80 40 00", "90 43 64", "80 43 00"}),
              (Lines{"90 3D 64", "80 38 00", "80 3D 00", "90 43 64", "80 43 00"}));
}

TEST_F(EventFilterFixture, StrayReleasesAndPlaybackStartsLeaveNoPlainNoteCounted) {
    selectEffect(EffectType::folk, 5, 10);
    clock.playSeconds = 4;
    filtered({"90 3C 64", "80 3C 00", "80 3C 00", "91 3C 64"});
    clock.playSeconds = 5;
    EXPECT_EQ(filtered({"90 3C 64"}), Lines{"90 38 64"}) << "a stray release does not count below zero";
    filter.resetForPlayback();
    EXPECT_EQ(filtered({"91 40 64"}), Lines{"91 3D 64"}) << "a note held before the restart is forgotten";
}

TEST_F(EventFilterFixture, AWindowFromZeroRemapsTheFirstNoteAndASilencedNoteOnCountsAsARelease) {
    selectEffect(EffectType::suspense, 0, 10);
    EXPECT_EQ(filtered({"90 3C 64", "80 3C 00"}), (Lines{"90 3F 64", "80 3F 00"}));
    clock.playSeconds = 10;
    EXPECT_EQ(filtered({"90 3E 64"}), Lines{"90 3E 00"});
    clock.playSeconds = 11;
    EXPECT_EQ(filtered({"90 3C 64"}), Lines{"90 3C 64"}) << "nothing remapped is held: past the end";
}

// A release goes exactly where its note-on went, whatever came between: a note-off of a key that is not held
// (common in files), the window's edges, a change of the transpose.
TEST_F(EventFilterFixture, EachReleaseEndsWhatItsNoteOnSentAndAStrayOneChangesNothing) {
    const struct {
        const char* why;
        int start, end;
        std::vector<std::pair<int, Lines>> steps;  // at a second: what goes in
        Lines sent;
    } cases[] = {
        {"a remapped note outlives the window past a stray note-off",
         2,
         4,
         {{2, {"90 3C 64"}}, {3, {"80 3E 00"}}, {5, {"80 3C 00"}}},
         {"90 38 64", "80 3E 00", "80 38 00"}},
        {"a plain note outlives the window's start past a stray note-off",
         5,
         10,
         {{4, {"90 3C 64", "80 3E 00"}}, {5, {"90 40 64", "80 3C 00", "80 40 00"}}},
         {"90 3C 64", "80 3E 00", "90 40 64", "80 3C 00", "80 40 00"}},
        {"note-ons of velocity 0 as the releases",
         2,
         4,
         {{2, {"90 3C 64"}}, {3, {"90 3E 00"}}, {5, {"90 3C 00"}}},
         {"90 38 64", "90 3E 00", "90 38 00"}},
        {"the transpose changed while held",
         20,
         30,
         {{0, {"shift 2", "90 3C 64", "shift 5", "80 3C 00"}}},
         {"90 3E 64", "80 3E 00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        filter.resetForPlayback();
        controls.keyShiftActive = false;
        selectEffect(EffectType::folk, c.start, c.end);
        Lines sent;
        for (const auto& [seconds, inputs] : c.steps) {
            clock.playSeconds = seconds;
            for (const std::string& input : inputs) {
                if (input.rfind("shift ", 0) == 0) {
                    controls.keyShift = std::stoi(input.substr(6));
                    controls.keyShiftActive = true;
                    continue;
                }
                const Lines out = filtered({input});
                sent.insert(sent.end(), out.begin(), out.end());
            }
        }
        EXPECT_EQ(sent, c.sent);
    }
}

}  // namespace

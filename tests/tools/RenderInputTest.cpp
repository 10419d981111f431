// velmira-render --input: a recorded keyboard through the engine, alone and over a song.
#include "playback/SmfWriter.h"
#include "tests/tools/RenderFixture.h"

namespace {
class RenderInputTest : public RenderTest {
  protected:
    std::string input(const std::string& lines) {
        return write("input.txt", std::vector<uint8_t>(lines.begin(), lines.end()));
    }
};
}  // namespace

TEST_F(RenderInputTest, PlaysTheLinesAtTheirTimesThroughTheEffect) {
    const std::string lines = "5000\t90 3C 64\n15500\tF8\n15900\t80 3C 00\n9 80 3E 00\t20000\n";
    EXPECT_EQ(run({"--effect", "1", "--input", input(lines)}), (Lines{"5 90 38 64", "15 80 38 00"}));
    EXPECT_EQ(exitCode, 0) << errors;
}

// Each line goes in before the song's tick at or after its time; the song's end silences the keyboard too.
TEST_F(RenderInputTest, MixesTheInputIntoASong) {
    const std::string song =
        write("song.mid", SmfWriter(0, 480)
                              .track({0x00, 0x90, 62, 100, 0x83, 0x60, 0x80, 62, 0, 0x00, 0xFF, 0x2F, 0x00})
                              .bytes());
    const Lines lines = run({"--input",
                             input("241000\t91 3C 64\n500000\t91 3E 64\n600000\t81 3E 00\n"
                                   "2000000\t81 3C 00\n"),
                             song});
    ASSERT_EQ(exitCode, 0) << errors;
    ASSERT_EQ(lines.size(), 17u + 4u + 48u) << "the note-offs after the stop send nothing";
    EXPECT_EQ(Lines(lines.begin() + 17, lines.begin() + 21),
              (Lines{"0 90 3E 64", "241 91 3C 64", "500 91 3E 64", "500 80 3E 00"}));
    EXPECT_EQ(lines.back(), "510 BF 7B 00");
}

TEST_F(RenderInputTest, NamesTheFirstLineThatIsNotInput) {
    EXPECT_TRUE(run({"--input", input("10\t90 3C 64\n\n20 90 3C 00\n")}).empty());
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(errors.find("input.txt:3: "), std::string::npos) << errors;
    run({"--input", path("none.txt")});
    EXPECT_EQ(exitCode, 1);
}

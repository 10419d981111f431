#include <gtest/gtest.h>

#include <optional>

#include "app/FaceLayout.h"

// Which element a point finds is checked through the clicks of the face's controls; here, the edges.
TEST(FaceLayout, HitTestsExcludeTheRightAndBottomEdges) {
    EXPECT_TRUE(face::cellAt(310, 49));
    EXPECT_FALSE(face::cellAt(311, 40));  // right edge of cell 0
    EXPECT_FALSE(face::cellAt(300, 50));  // bottom edge of row 0
    EXPECT_FALSE(face::cellAt(320, 40));  // between two cells, still inside the click band
    EXPECT_TRUE(face::cellBand.contains(451) && !face::cellBand.contains(452));
    EXPECT_FALSE(face::toggleAt(691, 40));
    EXPECT_FALSE(face::toggleAt(665, 536));
    EXPECT_TRUE(face::toneBand.contains(281) && !face::toneBand.contains(282));
}

// The tone column's rows are the level bars' erased areas; the gaps between them belong to no channel.
TEST(FaceLayout, ToneRowsHaveTheirEdges) {
    const struct {
        int x, y;
        std::optional<int> channel;
    } cases[] = {
        {221, 35, 0},
        {280, 51, 0},
        {220, 40, std::nullopt},
        {281, 40, std::nullopt},
        {250, 34, std::nullopt},
        {250, 52, std::nullopt},
        {250, 66, std::nullopt},
        {250, 67, 1},
        {250, 531, 15},
        {250, 532, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(face::toneRowAt(c.x, c.y), c.channel) << c.x << "," << c.y;
}

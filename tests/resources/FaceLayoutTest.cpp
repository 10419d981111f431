#include <gtest/gtest.h>

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

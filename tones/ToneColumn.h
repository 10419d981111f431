#pragma once
#include <optional>

// The tone column of the face: the channel rows' tone names, one row every 32 pixels. A click in the column
// opens the tone dialog of the row it hits; the gaps between rows belong to no channel.
namespace toneColumn {
constexpr int left = 221;
constexpr int right = 281;  // exclusive
constexpr int firstRowTop = 35;
constexpr int rowHeight = 17;
constexpr int rowPitch = 32;
constexpr int rowCount = 16;

// The channel (0-15) whose row holds the point, if any.
constexpr std::optional<int> channelAt(int x, int y) {
    if (x < left || x >= right || y < firstRowTop) return std::nullopt;
    const int row = (y - firstRowTop) / rowPitch;
    if (row >= rowCount || y - firstRowTop - row * rowPitch >= rowHeight) return std::nullopt;
    return row;
}
}  // namespace toneColumn

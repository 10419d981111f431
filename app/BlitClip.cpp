#include "app/BlitClip.h"

#include <algorithm>
#include <climits>

namespace {
// The same cut serves both ends: clipping to the destination is clipping to the source with the two
// corners swapped.
Blit swapEnds(const Blit& blit) {
    return {{blit.destination.x, blit.destination.y, blit.source.width, blit.source.height},
            {blit.source.x, blit.source.y}};
}
}  // namespace

std::optional<Blit> clipToSource(const Blit& blit, int sourceWidth, int sourceHeight) {
    const face::SheetRect& s = blit.source;
    // 64-bit sums: a caller's rectangle may lie anywhere in the int range.
    const long long left = std::max<long long>(s.x, 0);
    const long long top = std::max<long long>(s.y, 0);
    const long long right = std::min<long long>(static_cast<long long>(s.x) + s.width, sourceWidth);
    const long long bottom = std::min<long long>(static_cast<long long>(s.y) + s.height, sourceHeight);
    if (right <= left || bottom <= top) return std::nullopt;
    const long long dx = left - s.x;
    const long long dy = top - s.y;
    const long long x = blit.destination.x + dx;
    const long long y = blit.destination.y + dy;
    if (x < INT_MIN || x > INT_MAX || y < INT_MIN || y > INT_MAX) return std::nullopt;
    return Blit{{int(left), int(top), int(right - left), int(bottom - top)}, {int(x), int(y)}};
}

std::optional<Blit> clipToDestination(const Blit& blit, int destinationWidth, int destinationHeight) {
    const std::optional<Blit> swapped = clipToSource(swapEnds(blit), destinationWidth, destinationHeight);
    if (!swapped) return std::nullopt;
    return swapEnds(*swapped);
}

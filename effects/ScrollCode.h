#pragma once
#include <cstdint>

// What a horizontal scroll bar reports, as the effect dialogs tell the codes apart. Paging (a click in the
// trough), the end keys, the thumb's release and the end of a scroll all count as `other`.
enum class ScrollCode { lineLeft, lineRight, thumbTrack, other };

// The thumb's position arrives in 16 bits; positions below 0 must come back negative.
inline int draggedPosition(uint16_t reported) {
    return int16_t(reported);
}

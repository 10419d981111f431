#pragma once
#include "resources/skin/Picture.h"

// The colours of the default skin, in one place so the face and the sprites agree.
namespace palette {

constexpr Rgb backgroundTop{22, 28, 54};
constexpr Rgb backgroundBottom{44, 20, 58};
constexpr Rgb backgroundGlow{70, 110, 170};

constexpr Rgb panel{30, 34, 44};
constexpr Rgb panelRowAlt{35, 40, 52};
constexpr Rgb panelEdge{78, 88, 110};
constexpr Rgb panelHeader{38, 44, 60};
constexpr Rgb divider{50, 56, 72};

constexpr Rgb labelJapanese{226, 230, 238};
constexpr Rgb labelLatin{128, 170, 214};
constexpr Rgb labelDim{110, 118, 134};
constexpr Rgb accent{120, 196, 255};

constexpr Rgb wellEdgeDark{10, 11, 15};
constexpr Rgb wellEdgeLight{84, 92, 112};
constexpr Rgb lampFrame{64, 72, 90};
constexpr Rgb lampFrameSharp{44, 50, 64};

constexpr Rgb buttonTop{76, 84, 102};
constexpr Rgb buttonBottom{40, 44, 56};
constexpr Rgb buttonEdge{112, 122, 146};
constexpr Rgb buttonIcon{206, 214, 228};

}  // namespace palette

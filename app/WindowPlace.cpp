#include "app/WindowPlace.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Far beyond any desktop; a value outside is no place a window stood.
constexpr long farthest = 100000;
constexpr int smallestSide = 16;
constexpr int largestSide = 20000;
// Enough of the caption to take with the mouse.
constexpr int graspWidth = 40;
constexpr int graspHeight = 8;

// The decimal number at |text| (a sign only where |negativeAllowed|) up to the next comma or the end;
// moves |text| past the comma. No more digits than a place has, so that a value of any length is refused
// before it is converted.
std::optional<long> nextNumber(const char*& text, bool negativeAllowed) {
    const char* start = text;
    if (*text == '-' && negativeAllowed) ++text;
    const char* digits = text;
    while (*text >= '0' && *text <= '9') ++text;
    if (text == digits || text - digits > 6) return std::nullopt;
    const long value = std::strtol(start, nullptr, 10);
    if (*text == ',')
        ++text;
    else if (*text != '\0')
        return std::nullopt;
    return value;
}
}  // namespace

std::string windowPlaceStoredForm(const WindowPlace& place) {
    return std::to_string(place.left) + "," + std::to_string(place.top) + "," + std::to_string(place.width) +
           "," + std::to_string(place.height) + "," + (place.shown ? "1" : "0");
}

std::optional<WindowPlace> parseStoredWindowPlace(const std::string& stored) {
    if (stored.empty() || stored.find_first_not_of("0123456789,-") != std::string::npos ||
        stored.back() == ',')
        return std::nullopt;
    const char* text = stored.c_str();
    long numbers[5] = {};
    for (int index = 0; index < 5; ++index) {
        const std::optional<long> number = nextNumber(text, index < 2);
        if (!number || (*text == '\0') != (index == 4)) return std::nullopt;
        numbers[index] = *number;
    }
    auto side = [](long value) { return value >= smallestSide && value <= largestSide; };
    if (std::labs(numbers[0]) > farthest || std::labs(numbers[1]) > farthest || !side(numbers[2]) ||
        !side(numbers[3]) || numbers[4] > 1)
        return std::nullopt;
    return WindowPlace{int(numbers[0]), int(numbers[1]), int(numbers[2]), int(numbers[3]), numbers[4] == 1};
}

bool reachableOn(const WindowPlace& place, const std::vector<ScreenArea>& workAreas) {
    for (const ScreenArea& area : workAreas) {
        const int across = std::min(place.left + place.width, area.right) - std::max(place.left, area.left);
        if (across >= graspWidth && place.top >= area.top && place.top + graspHeight <= area.bottom)
            return true;
    }
    return false;
}

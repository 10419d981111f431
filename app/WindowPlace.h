#pragma once
#include <optional>
#include <string>
#include <vector>

// Where a small window of the program stood, in screen pixels, and whether it was shown: kept with the
// settings as "left,top,width,height,shown" (shown 1 or 0) so that the window comes back there at the next
// start.
struct WindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool shown = false;
    bool operator==(const WindowPlace& other) const {
        return left == other.left && top == other.top && width == other.width && height == other.height &&
               shown == other.shown;
    }
    bool operator!=(const WindowPlace& other) const { return !(*this == other); }
};

// A part of the screen that windows may take (a monitor's work area), right and bottom excluded.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

std::string windowPlaceStoredForm(const WindowPlace& place);
// Nothing for what no write of the stored form could have made: another form, a number out of range, a size
// no window has.
std::optional<WindowPlace> parseStoredWindowPlace(const std::string& stored);
// Whether a window put at |place| can be seen and dragged back: a piece of its top edge, where its caption
// is, lies on one of |workAreas|. The screens may have changed since the place was kept.
bool reachableOn(const WindowPlace& place, const std::vector<ScreenArea>& workAreas);

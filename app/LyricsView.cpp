#include "app/LyricsView.h"

void LyricsView::reset(const LyricSheet& sheet, LyricRing& ring) {
    while (ring.take() != LyricRing::none) {
    }
    // The ring's latest still names the last word before the stop, or the previous song's; only a change
    // from it is news.
    latestSeen_ = ring.latest();
    shown_ = LyricRing::none;
    moment_ = sheet.moment(LyricRing::none);
}

bool LyricsView::update(const LyricSheet& sheet, LyricRing& ring) {
    bool taken = false;
    while (ring.take() != LyricRing::none) taken = true;
    // Words taken: the latest is the newest of them, or newer still when the ring had to drop some. Nothing
    // taken but the latest moved: a play start or a jump emptied the ring and went elsewhere silently.
    const int32_t latest = ring.latest();
    const bool moved = taken || latest != latestSeen_;
    latestSeen_ = latest;
    if (!moved || latest == shown_) return false;
    show(sheet, latest);
    return true;
}

void LyricsView::show(const LyricSheet& sheet, int32_t position) {
    shown_ = position;
    moment_ = sheet.moment(position);
}

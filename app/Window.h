#pragma once
#include <string>
#include <vector>

#include "app/FaceLayout.h"
#include "app/HistoryMenu.h"
#include "playback/Sequencer.h"

// The main window as its rules see it: message boxes and questions, the title, the cursor, repainting, the
// size, closing, the history items of its menu and the timer's ticks posted to it. The Win32 window
// implements it; the tests and the page record what it is told. Texts are UTF-8.
class Window : public TickPoster {
  public:
    // A failure or a refusal: the warning icon.
    virtual void showMessage(const std::string& text) = 0;
    // Something done as asked, told for the user's information: the information icon, where the window has
    // icons.
    virtual void showInformation(const std::string& text) { showMessage(text); }
    // A question with Yes and No buttons and the information icon; true for Yes.
    virtual bool askYesNo(const std::string& question) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    virtual void postClose() = 0;
    // The close command of the window's system menu, greyed while an effect dialog is open.
    virtual void enableCloseCommand(bool enabled) = 0;
    // Large view: the whole face; compact view: only the caption and the menu bar.
    virtual void resizeForView(bool large) = 0;
    // The whole face, or one rectangle of it, is painted again on the next paint.
    virtual void invalidateFace() = 0;
    virtual void invalidate(const face::Rect& area) = 0;
    // Replaces the history items of the "ファイル" menu (from its third position on) and redraws the menu
    // bar.
    virtual void showHistoryItems(const std::vector<HistoryMenuItem>& items) = 0;
};

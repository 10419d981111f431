#pragma once
#include <string>

#include "app/FaceLayout.h"

// What the main window's rules ask of the window itself: message boxes and questions, the title, the size,
// the cursor, repainting and closing. The Win32 window implements it; tests implement it with scripted
// answers. Texts are UTF-8.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
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
    // Large view: the whole face; compact view: only the caption and the menu bar.
    virtual void resizeForView(bool large) = 0;
    // The whole face, or one rectangle of it, is painted again on the next paint.
    virtual void invalidateFace() = 0;
    virtual void invalidate(const face::Rect& area) = 0;
};

#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>

#include "app/Window.h"
#include "images/DibImage.h"
#include "images/SkinBmp.h"
#include "platform/Files.h"

// The pictures of the face: the face itself (the background, "Main.bmp" unless the settings name another),
// the sprite sheet "Button.bmp" and the mask "Mask.bmp" that a new background is composed under.
class Skin {
  public:
    static constexpr const char* defaultBackground = "Main.bmp";

    Skin(Files& files, Window& window) : files_(files), window_(window) {}

    // Start-up, in two halves around the opening of the MIDI output: the sprite sheet and the mask, then
    // the face. Each shows its message and returns false on a failure that ends the program.
    bool loadSprites();
    bool loadFace();

    // The face picture object: a background change assigns a new picture into it, and the painter, which
    // holds it, shows that one at the next paint.
    const DibImage& face() const { return face_; }
    // A face composed from the user's picture takes the place of the one read at start-up.
    void replaceFace(DibImage face) { face_ = std::move(face); }
    const DibImage& buttonSheet() const { return buttonSheet_; }
    const std::optional<MaskGrid>& mask() const { return mask_; }
    // The face file the settings name: kept when it could not be read at start-up and "Main.bmp" stood in.
    const std::string& backgroundPath() const { return backgroundPath_; }
    // The background named by the settings, read at start-up instead of "Main.bmp".
    void setBackgroundPath(const std::string& path) { backgroundPath_ = path; }

  private:
    enum class Read { ok, notFound, unreadable };
    Read readPicture(const std::string& name, bool (*reader)(std::istream&, DibImage&), DibImage& into);

    Files& files_;
    Window& window_;
    DibImage face_;
    DibImage buttonSheet_;
    std::optional<MaskGrid> mask_;
    std::string backgroundPath_ = defaultBackground;
};

#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "images/DibImage.h"
#include "images/win32/FilePreview.h"

class SusiePlugins;

// The open dialog's preview of a picture for the background: the selection read (BMP by the program, other
// formats by |plugins|; with none loaded every such picture is refused with
// "該当するライブラリが見つかりません"), drawn scaled into the panel's area with its size beneath.
class PicturePreview : public FilePreview {
  public:
    // What becomes of the picture the user confirms; false keeps the dialog open, its failure shown. None
    // takes every picture.
    using Accept = std::function<bool(const DibImage& picture)>;
    explicit PicturePreview(const SusiePlugins& plugins, Accept accept = {})
        : plugins_(plugins), accept_(std::move(accept)) {}

    FileDialogMode mode() const override { return FileDialogMode::background; }
    bool load(const std::string& path) override;
    void show() override;
    void clear() override;
    bool accept() override { return !accept_ || accept_(picture_); }
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void showArea(const std::string& sizeText);
    INT_PTR draw(const DRAWITEMSTRUCT& item) const;

    const SusiePlugins& plugins_;
    Accept accept_;
    DibImage picture_;
    bool shown_ = false;
};

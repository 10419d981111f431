#include "resources/skin/TextRenderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <vector>

namespace {
std::vector<char32_t> decodeUtf8(const std::string& s) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = s[i];
        const int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < s.size(); ++k) code = code << 6 | (s[i + k] & 0x3F);
        out.push_back(code);
        i += extra + 1;
    }
    return out;
}
}  // namespace

struct TextRenderer::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Impl() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    bool load(char32_t code, int pixelSize, FT_Int32 flags) {
        FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize));
        // Light hinting snaps the outlines to the pixel grid vertically only, which keeps small labels
        // crisp without distorting the letter shapes.
        return FT_Load_Char(face, code, flags | FT_LOAD_TARGET_LIGHT) == 0;
    }
};

TextRenderer::TextRenderer(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TextRenderer::~TextRenderer() = default;

std::unique_ptr<TextRenderer> TextRenderer::open(const std::string& fontPath, std::string& error) {
    auto impl = std::make_unique<Impl>();
    if (FT_Init_FreeType(&impl->library) != 0) {
        error = "cannot start FreeType";
        return nullptr;
    }
    if (FT_New_Face(impl->library, fontPath.c_str(), 0, &impl->face) != 0) {
        error = "cannot open the font " + fontPath;
        return nullptr;
    }
    return std::unique_ptr<TextRenderer>(new TextRenderer(std::move(impl)));
}

int TextRenderer::measure(const std::string& utf8, int pixelSize) {
    long width = 0;
    for (char32_t code : decodeUtf8(utf8))
        if (impl_->load(code, pixelSize, FT_LOAD_DEFAULT)) width += impl_->face->glyph->advance.x;
    return int((width + 32) >> 6);
}

void TextRenderer::draw(Picture& picture, const std::string& utf8, int x, int baseline, int pixelSize,
                        Rgb colour, Align align) {
    if (align == Align::centre) x -= measure(utf8, pixelSize) / 2;
    if (align == Align::right) x -= measure(utf8, pixelSize);
    long penX = long(x) << 6;
    for (char32_t code : decodeUtf8(utf8)) {
        if (!impl_->load(code, pixelSize, FT_LOAD_RENDER)) continue;
        const FT_GlyphSlot g = impl_->face->glyph;
        const FT_Bitmap& bm = g->bitmap;
        const int left = int((penX + 32) >> 6) + g->bitmap_left;
        const int top = baseline - g->bitmap_top;
        for (unsigned row = 0; row < bm.rows; ++row)
            for (unsigned col = 0; col < bm.width; ++col)
                picture.blend(left + int(col), top + int(row), colour,
                              bm.buffer[row * bm.pitch + col] / 255.0);
        penX += g->advance.x;
    }
}

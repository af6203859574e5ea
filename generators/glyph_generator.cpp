// glyph_generator.cpp -- build-time tool: the overlay glyphs rendered with FreeType into a table.
//
// Usage: glyph_generator FONT.ttf OUT.cpp
// Renders codes 32..127 at a 12-pixel character height, 1 bit per pixel,
// and writes platform::overlayGlyph with the bitmaps bottom row first.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kFirst = 32;
constexpr int kCount = 96;
constexpr int kPixelHeight = 12;

struct RenderedGlyph {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<unsigned char> rows;  // bottom row first, (width + 7) / 8 bytes each
};

bool renderGlyph(FT_Face face, int code, RenderedGlyph& out) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) !=
        0) {
        return false;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.rows != 0)
        return false;
    out.width = static_cast<int>(bitmap.width);
    out.height = static_cast<int>(bitmap.rows);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const int bytesPerRow = (out.width + 7) / 8;
    for (int row = out.height - 1; row >= 0; --row) {
        const unsigned char* source = bitmap.buffer + row * bitmap.pitch;
        for (int b = 0; b < bytesPerRow; ++b)
            out.rows.push_back(source[b]);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glyph_generator FONT.ttf OUT.cpp\n");
        return 2;
    }
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "glyph_generator: FreeType could not start\n");
        return 1;
    }
    FT_Face face;
    if (FT_New_Face(library, argv[1], 0, &face) != 0) {
        std::fprintf(stderr, "glyph_generator: cannot open font %s\n", argv[1]);
        return 1;
    }
    if (FT_Set_Pixel_Sizes(face, 0, kPixelHeight) != 0) {
        std::fprintf(stderr, "glyph_generator: cannot set a %d-pixel size\n", kPixelHeight);
        return 1;
    }
    std::vector<RenderedGlyph> glyphs(kCount);
    for (int i = 0; i < kCount; ++i) {
        if (!renderGlyph(face, kFirst + i, glyphs[i])) {
            std::fprintf(stderr, "glyph_generator: cannot render code %d\n", kFirst + i);
            return 1;
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    const std::string path = argv[2];
    FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) {
        std::fprintf(stderr, "glyph_generator: cannot write %s\n", path.c_str());
        return 1;
    }
    std::fprintf(out,
                 "// glyph_table.cpp -- generated at build time by glyph_generator; do not edit.\n"
                 "#include \"platform/glyphs.h\"\n\nnamespace platform {\n\n");
    for (int i = 0; i < kCount; ++i) {
        if (glyphs[i].rows.empty())
            continue;
        std::fprintf(out, "static const unsigned char kRows%d[] = {", kFirst + i);
        for (size_t b = 0; b < glyphs[i].rows.size(); ++b) {
            std::fprintf(out, "%s0x%02x", b == 0 ? "" : ",", glyphs[i].rows[b]);
        }
        std::fprintf(out, "};\n");
    }
    std::fprintf(out, "\nstatic const Glyph kGlyphs[kGlyphCount] = {\n");
    for (int i = 0; i < kCount; ++i) {
        const RenderedGlyph& g = glyphs[i];
        std::string rows = g.rows.empty() ? "nullptr" : "kRows" + std::to_string(kFirst + i);
        std::fprintf(out, "    {%d, %d, %d.0f, %d.0f, %d.0f, %s},\n", g.width, g.height, -g.left,
                     g.height - g.top, g.advance, rows.c_str());
    }
    std::fprintf(out,
                 "};\n\nconst Glyph& overlayGlyph(int code) {\n"
                 "    if (code < kFirstGlyphCode || code >= kFirstGlyphCode + kGlyphCount) code = "
                 "kFirstGlyphCode;\n"
                 "    return kGlyphs[code - kFirstGlyphCode];\n}\n\n}  // namespace platform\n");
    if (std::fclose(out) != 0) {
        std::fprintf(stderr, "glyph_generator: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

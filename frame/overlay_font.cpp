// overlay_font.cpp -- the overlay's bitmap font: 96 glyph display lists for each overlay unit,
// and formatted text.
#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "frame/overlay.h"
#include "frame/viewport_size.h"
#include "platform/glyphs.h"

namespace frame {

unsigned int fontListBase = 0;

// The formatted text of the latest drawOverlayText; longer results are cut
// to fit with their terminator.
static char text[256];

// A glyph's rows magnified `unit` times in both directions, packed as the
// plain ones are: (width * unit + 7) / 8 bytes a row, rows from the bottom up.
static std::vector<unsigned char> magnifiedRows(const platform::Glyph& glyph, int unit) {
    const int width = glyph.width * unit;
    const std::size_t stride = static_cast<std::size_t>(width + 7) / 8;
    const std::size_t plainStride = static_cast<std::size_t>(glyph.width + 7) / 8;
    std::vector<unsigned char> rows(stride * static_cast<std::size_t>(glyph.height * unit));
    for (int row = 0; row < glyph.height * unit; ++row) {
        const unsigned char* plain =
            glyph.rows + plainStride * static_cast<std::size_t>(row / unit);
        unsigned char* line = rows.data() + stride * static_cast<std::size_t>(row);
        for (int column = 0; column < width; ++column) {
            const int source = column / unit;
            if (plain[source / 8] & (0x80 >> (source % 8)))
                line[column / 8] |= static_cast<unsigned char>(0x80 >> (column % 8));
        }
    }
    return rows;
}

void createOverlayFont() {
    fontListBase = glGenLists(platform::kGlyphCount * kLargestOverlayUnit);
    if (fontListBase == 0)
        return;
    // The glyph rows are packed byte by byte; the lists keep the unpacked
    // bitmaps, so the client's pixel storage matters only while compiling.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    for (int unit = 1; unit <= kLargestOverlayUnit; ++unit) {
        for (int n = 0; n < platform::kGlyphCount; ++n) {
            const platform::Glyph& glyph = platform::overlayGlyph(platform::kFirstGlyphCode + n);
            const float u = static_cast<float>(unit);
            std::vector<unsigned char> rows;
            if (unit > 1 && glyph.rows != nullptr)
                rows = magnifiedRows(glyph, unit);
            glNewList(
                fontListBase + static_cast<unsigned int>((unit - 1) * platform::kGlyphCount + n),
                GL_COMPILE);
            glBitmap(glyph.width * unit, glyph.height * unit, glyph.xorig * u, glyph.yorig * u,
                     glyph.advance * u, 0.0f, rows.empty() ? glyph.rows : rows.data());
            glEndList();
        }
    }
    glPopClientAttrib();
}

void deleteOverlayFont() {
    if (fontListBase == 0)
        return;
    glDeleteLists(fontListBase, platform::kGlyphCount * kLargestOverlayUnit);
    fontListBase = 0;
}

static bool hasGlyph(int code) {
    return code >= platform::kFirstGlyphCode &&
           code < platform::kFirstGlyphCode + platform::kGlyphCount;
}

double overlayTextWidth(const char* text) {
    double width = 0.0;
    for (const char* c = text; *c != '\0'; ++c) {
        const int code = static_cast<unsigned char>(*c);
        if (hasGlyph(code))
            width += static_cast<double>(platform::overlayGlyph(code).advance);
    }
    return width;
}

static float clamped(float value, float low, float high) {
    return value < low ? low : (value > high ? high : value);
}

// A raster position outside the picture is invalid, and every glyph drawn from
// it would vanish: start at the nearest point of the picture's edge instead and
// move on from there with an empty bitmap, so the glyphs inside still show.
static void placeRaster(float x, float y) {
    const float edgeX = clamped(x, 0.0f, static_cast<float>(overlayPictureSize().width));
    const float edgeY = clamped(y, 0.0f, static_cast<float>(overlayPictureSize().height));
    glRasterPos2f(edgeX, edgeY);
    // The move is in device pixels.
    const float unit = static_cast<float>(overlayPictureSize().unit);
    if (edgeX != x || edgeY != y)
        glBitmap(0, 0, 0.0f, 0.0f, (x - edgeX) * unit, (edgeY - y) * unit, nullptr);
}

void drawOverlayText(float x, float y, const char* format, ...) {
    if (format == nullptr || fontListBase == 0)
        return;
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (length < 0)
        return;

    // A list number per character, counted from the first glyph list; codes
    // without a glyph are left out and draw nothing.
    unsigned char glyphIndices[sizeof text];
    int count = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        const int code = static_cast<unsigned char>(*c);
        if (hasGlyph(code)) {
            glyphIndices[count++] = static_cast<unsigned char>(code - platform::kFirstGlyphCode);
        }
    }

    glPushAttrib(GL_LIST_BIT);
    glListBase(fontListBase +
               static_cast<unsigned int>((overlayPictureSize().unit - 1) * platform::kGlyphCount));
    placeRaster(x, y);
    glCallLists(count, GL_UNSIGNED_BYTE, glyphIndices);
    glPopAttrib();
}

}  // namespace frame

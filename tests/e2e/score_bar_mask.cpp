// score_bar_mask.cpp -- prints what the score bar must show for a score, from the glyph table.
//
// Usage: score_bar_mask GOALS1 GOALS2 (each 0..9, the texts at their designed places)
// Prints the bar (window pixels x 412..611, y 0..29) as 30 lines of 200
// characters: '.' black, 'W' white text, 'O' orange text. The end-to-end test
// compares a screenshot of the real window with it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/glyphs.h"

static constexpr int kBarLeft = 412;
static constexpr int kBarWidth = 200;
static constexpr int kBarHeight = 30;

// Marks the pixels the glyphs of `text` set, drawn from overlay position
// (x, baseline): glyph rows run bottom-up from the baseline, the overlay's y
// runs down from the top of the window.
static void mark(std::vector<std::string>& bar, const std::string& text, int x, int baseline,
                 char colour) {
    int pen = x;
    for (unsigned char code : text) {
        const platform::Glyph& glyph = platform::overlayGlyph(code);
        const int left = pen - static_cast<int>(glyph.xorig);
        const int bytes = (glyph.width + 7) / 8;
        for (int row = 0; row < glyph.height; ++row) {
            // Row 0 is the bottom one; it lies yorig pixels below the baseline.
            const int y = baseline - 1 + static_cast<int>(glyph.yorig) - row;
            for (int col = 0; col < glyph.width; ++col) {
                const unsigned char bits = glyph.rows[row * bytes + col / 8];
                const int bx = left + col - kBarLeft;
                if ((bits & (0x80 >> (col % 8))) != 0 && y >= 0 && y < kBarHeight && bx >= 0 &&
                    bx < kBarWidth) {
                    bar[y][bx] = colour;
                }
            }
        }
        pen += static_cast<int>(glyph.advance);
    }
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: score_bar_mask GOALS1 GOALS2\n");
        return 2;
    }
    const int goals1 = std::atoi(argv[1]);
    const int goals2 = std::atoi(argv[2]);
    std::vector<std::string> bar(kBarHeight, std::string(kBarWidth, '.'));
    mark(bar, "DYNAMO " + std::to_string(goals1), 433, 15, 'W');
    mark(bar, " : " + std::to_string(goals2), 492, 15, 'O');
    mark(bar, " SHAKHTAR", 520, 15, 'O');
    for (const std::string& line : bar)
        std::printf("%s\n", line.c_str());
    return 0;
}

// icon_scaler.cpp -- build-time tool: a committed icon picture resampled to another size.
//
// Usage: icon_scaler ICON.png SIDE OUT.png
// Reads a square PNG with libpng and writes it SIDE by SIDE pixels, RGBA, for
// the sizes an installed web page asks for (192 and 512) that the committed
// icons (64, 128, 256) do not have. Each output pixel is a tent-weighted mean
// of the input pixels under it: bilinear when enlarging, an average over the
// pixels it covers when shrinking. Colours are weighted by their alpha.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

// The input pixels one output pixel along an axis takes, and their weights.
struct Taps {
    std::vector<int> first;                    // per output pixel
    std::vector<std::vector<double>> weights;  // per output pixel, from `first` on
};

static Taps tapsFor(int from, int to) {
    Taps taps;
    const double scale = static_cast<double>(to) / from;
    const double radius = std::max(1.0, 1.0 / scale);  // in input pixels
    for (int out = 0; out < to; ++out) {
        const double centre = (out + 0.5) / scale - 0.5;
        const int low = std::max(0, static_cast<int>(std::ceil(centre - radius)));
        const int high = std::min(from - 1, static_cast<int>(std::floor(centre + radius)));
        std::vector<double> weights;
        double sum = 0.0;
        for (int in = low; in <= high; ++in) {
            const double weight = std::max(0.0, 1.0 - std::fabs(in - centre) / radius);
            weights.push_back(weight);
            sum += weight;
        }
        for (double& weight : weights)
            weight /= sum;
        taps.first.push_back(low);
        taps.weights.push_back(weights);
    }
    return taps;
}

// One pass along rows (or columns, through the strides): premultiplied RGBA in doubles.
static std::vector<double> resample(const std::vector<double>& in, int lines, int from, int to,
                                    int inStep, int inLine, int outStep, int outLine) {
    const Taps taps = tapsFor(from, to);
    std::vector<double> out(static_cast<std::size_t>(lines) * to * 4, 0.0);
    for (int line = 0; line < lines; ++line) {
        for (int o = 0; o < to; ++o) {
            const std::vector<double>& weights = taps.weights[static_cast<std::size_t>(o)];
            double* target = &out[static_cast<std::size_t>(line * outLine + o * outStep) * 4];
            for (std::size_t k = 0; k < weights.size(); ++k) {
                const int i = taps.first[static_cast<std::size_t>(o)] + static_cast<int>(k);
                const double* source =
                    &in[static_cast<std::size_t>(line * inLine + i * inStep) * 4];
                for (int c = 0; c < 4; ++c)
                    target[c] += source[c] * weights[k];
            }
        }
    }
    return out;
}

int main(int argc, char** argv) {
    const int side = argc == 4 ? std::atoi(argv[2]) : 0;
    if (side < 1 || side > 4096) {
        std::fprintf(stderr, "usage: icon_scaler ICON.png SIDE OUT.png (SIDE 1 to 4096)\n");
        return 2;
    }
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, argv[1]) == 0) {
        std::fprintf(stderr, "icon_scaler: cannot read %s: %s\n", argv[1], image.message);
        return 1;
    }
    image.format = PNG_FORMAT_RGBA;
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) {
        std::fprintf(stderr, "icon_scaler: cannot decode %s: %s\n", argv[1], image.message);
        return 1;
    }

    std::vector<double> plain(pixels.size());
    for (std::size_t p = 0; p < pixels.size(); p += 4) {
        const double alpha = pixels[p + 3] / 255.0;
        for (int c = 0; c < 3; ++c)
            plain[p + c] = pixels[p + c] * alpha;
        plain[p + 3] = pixels[p + 3];
    }
    // Across each row, then down each column.
    const std::vector<double> wide = resample(plain, height, width, side, 1, width, 1, side);
    const std::vector<double> done = resample(wide, side, height, side, side, 1, side, 1);

    std::vector<unsigned char> out(static_cast<std::size_t>(side) * side * 4);
    for (std::size_t p = 0; p < out.size(); p += 4) {
        const double alpha = done[p + 3];
        for (int c = 0; c < 3; ++c) {
            const double colour = alpha > 0.0 ? done[p + c] * 255.0 / alpha : 0.0;
            out[p + c] = static_cast<unsigned char>(std::clamp(std::lround(colour), 0L, 255L));
        }
        out[p + 3] = static_cast<unsigned char>(std::clamp(std::lround(alpha), 0L, 255L));
    }
    png_image written = {};
    written.version = PNG_IMAGE_VERSION;
    written.width = static_cast<png_uint_32>(side);
    written.height = static_cast<png_uint_32>(side);
    written.format = PNG_FORMAT_RGBA;
    if (png_image_write_to_file(&written, argv[3], 0, out.data(), 0, nullptr) == 0) {
        std::fprintf(stderr, "icon_scaler: cannot write %s: %s\n", argv[3], written.message);
        std::remove(argv[3]);  // no half picture for the next build to take as done
        return 1;
    }
    return 0;
}

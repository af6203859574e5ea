// png_file.cpp -- PNG output for the record tool, written whole or not at all.
#include "tools/png_file.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace tools {

// libpng's own messages would add a second report to the tool's one line.
static void quietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
static void quietWarning(png_structp, png_const_charp) {}

// Encodes into an open file. libpng reports failures by longjmp, so nothing
// with a destructor lives in this function.
static bool encode(FILE* file, int width, int height, const unsigned char* rgb) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    for (int row = 0; row < height; ++row) {
        png_write_row(png, rgb + static_cast<std::size_t>(row) * stride);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb,
              std::string& error) {
    if (width <= 0 || height <= 0 ||
        rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        error = "picture size does not match its pixels";
        return false;
    }
    const std::string temporary = path + ".part";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    const bool encoded = encode(file, width, height, rgb.data());
    const int flushError = std::ferror(file) ? EIO : 0;
    const bool closed = std::fclose(file) == 0;
    const int closeErrno = errno;
    if (!encoded || flushError != 0 || !closed) {
        error = !closed ? std::strerror(closeErrno) : "cannot encode the picture";
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace tools

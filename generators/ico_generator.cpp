// ico_generator.cpp -- build-time tool: the program's PNG icons gathered into one Windows .ico.
//
// Usage: ico_generator OUT.ico ICON.png...
// An .ico may hold its pictures as whole PNG files (Windows Vista on), so each
// PNG goes in unchanged, with its size read from its header. The Windows
// programs carry the .ico as their icon resource (platform/win32/resources.rc.in).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

static std::uint32_t bigEndian32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 |
           static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

static void put16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

static void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: ico_generator OUT.ico ICON.png...\n");
        return 2;
    }
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::vector<unsigned char>> pictures;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        // The signature, then the IHDR chunk: length, "IHDR", width, height.
        if (bytes.size() < 24 || !std::equal(kSignature, kSignature + 8, bytes.begin()) ||
            std::string(bytes.begin() + 12, bytes.begin() + 16) != "IHDR") {
            std::fprintf(stderr, "ico_generator: %s is not a PNG file\n", argv[i]);
            return 1;
        }
        const std::uint32_t width = bigEndian32(bytes, 16);
        const std::uint32_t height = bigEndian32(bytes, 20);
        if (width == 0 || width > 256 || height == 0 || height > 256) {
            std::fprintf(stderr, "ico_generator: %s is %ux%u; an icon is at most 256x256\n",
                         argv[i], width, height);
            return 1;
        }
        pictures.push_back(std::move(bytes));
    }

    // The directory: a header, then one 16-byte entry per picture (256 is
    // written as 0), then the pictures themselves.
    std::vector<unsigned char> out;
    put16(out, 0);
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<unsigned>(pictures.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
    for (const std::vector<unsigned char>& picture : pictures) {
        out.push_back(static_cast<unsigned char>(bigEndian32(picture, 16) & 0xFF));
        out.push_back(static_cast<unsigned char>(bigEndian32(picture, 20) & 0xFF));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, static_cast<std::uint32_t>(picture.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(picture.size());
    }
    for (const std::vector<unsigned char>& picture : pictures)
        out.insert(out.end(), picture.begin(), picture.end());

    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "ico_generator: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

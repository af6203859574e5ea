// wav_file_test.cpp -- the WAV file's header and samples, and nothing left behind when it fails.
#include "audio/wav_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "frame/system_file_calls.h"

namespace {

namespace fs = std::filesystem;

std::uint32_t littleEndian(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

TEST(WavWriter, WritesTheHeaderWithItsSizesAndTheSamplesLittleEndian) {
    // A name outside Windows' ANSI code pages ("λ") is reached there too,
    // through the system's calls, as every program hands them to the writers.
    frame::useSystemFileCalls();
    const fs::path path = fs::temp_directory_path() / fs::u8path("football_wav_test_\u03bb.wav");
    std::vector<std::int16_t> samples(2 * 3000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(i * 977 - 30000);
    audio::WavWriter writer;
    std::string error;
    ASSERT_TRUE(writer.open(path.u8string(), error)) << error;
    ASSERT_TRUE(writer.append(samples.data(), 1000, error)) << error;
    ASSERT_TRUE(writer.append(&samples[2000], 2000, error)) << error;
    ASSERT_TRUE(writer.finish(error)) << error;
    EXPECT_FALSE(fs::exists(fs::u8path(path.u8string() + ".part")));

    std::vector<unsigned char> bytes;
    {
        std::ifstream file(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), {});
    }
    fs::remove(path);  // closed first: Windows removes no open file
    ASSERT_EQ(bytes.size(), 44u + 12000u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(littleEndian(bytes, 4, 4), 36u + 12000u);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    const std::uint32_t format[][3] = {{16, 16, 4},     {20, 1, 2}, {22, 2, 2},  {24, 48000, 4},
                                       {28, 192000, 4}, {32, 4, 2}, {34, 16, 2}, {40, 12000, 4}};
    for (const auto& field : format)
        EXPECT_EQ(littleEndian(bytes, field[0], field[2]), field[1]) << "at byte " << field[0];
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
    for (std::size_t i = 0; i < samples.size(); ++i)
        ASSERT_EQ(static_cast<std::int16_t>(littleEndian(bytes, 44 + 2 * i, 2)), samples[i]) << i;
}

TEST(WavWriter, FailuresSayWhyAndLeaveNoFile) {
    const fs::path missing = fs::temp_directory_path() / "football_no_such_folder" / "a.wav";
    audio::WavWriter writer;
    std::string error;
    EXPECT_FALSE(writer.open(missing.string(), error));
    EXPECT_NE(error.find(missing.string() + ".part"), std::string::npos) << error;
    EXPECT_FALSE(writer.finish(error));

    // A writer dropped before it finishes takes its partial file with it, and
    // leaves the file it would have replaced as it was.
    const fs::path path = fs::temp_directory_path() / "football_wav_dropped.wav";
    std::ofstream(path, std::ios::binary) << "old";
    {
        audio::WavWriter dropped;
        const std::int16_t samples[4] = {1, 2, 3, 4};
        ASSERT_TRUE(dropped.open(path.string(), error)) << error;
        ASSERT_TRUE(dropped.append(samples, 2, error)) << error;
    }
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {}), "old");
    fs::remove(path);
    EXPECT_FALSE(fs::exists(path.string() + ".part"));
}

}  // namespace

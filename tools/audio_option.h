// audio_option.h -- the tools' --audio FILE.wav option: its help row and its value.
#pragma once

#include <string>

#include "common/command_line.h"

namespace tools {

// --audio FILE.wav, in both tools' tables.
common::OptionRow audioOptionRow();

// Reads --audio's value: a file name ending in .wav. False with a one-line
// message in `error` otherwise.
bool readAudioPath(const std::string& value, std::string& path, std::string& error);

}  // namespace tools

// audio_option.cpp -- the --audio option's row and the reading of its value.
#include "tools/audio_option.h"

namespace tools {

common::OptionRow audioOptionRow() {
    return {"audio", 0, "FILE.wav",
            "write the sound of the frames as a WAV file (48 kHz, 16-bit\nstereo, 33 ms a "
            "frame: the designed pace)",
            0};
}

bool readAudioPath(const std::string& value, std::string& path, std::string& error) {
    const std::string end = ".wav";
    const bool named = value.size() > end.size() &&
                       value.compare(value.size() - end.size(), end.size(), end) == 0 &&
                       value[value.size() - end.size() - 1] != '/';
    if (!named) {
        error = "--audio needs a file name ending in .wav, not " + common::quoted(value);
        return false;
    }
    path = value;
    return true;
}

}  // namespace tools

// clip_part_file.h -- a clip's temporary file, removed by an interrupt while the clip is written.
#pragma once

#include <string>

namespace tools {

// Until unwatchPartFile, an interrupt (SIGINT, SIGTERM, SIGHUP) removes
// `temporary` before it ends the process as the signal would have. A signal
// the process ignores (nohup, a background job) stays ignored. One clip at a
// time is written.
void watchPartFile(const std::string& temporary);

// The signals' earlier handling back; nothing when no file is watched.
void unwatchPartFile();

}  // namespace tools

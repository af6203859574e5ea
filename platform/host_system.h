// host_system.h -- which system this build is for, as one bit: the command line offers an
// option only where its table row names the system.
#pragma once

namespace platform {

constexpr unsigned kLinux = 1u;
constexpr unsigned kWindows = 2u;

// The bit of the system this build is for; each backend's build answers.
unsigned thisSystem();

}  // namespace platform

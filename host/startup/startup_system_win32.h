#pragma once
// The Win32 side of start-up, shared with the host's windows.

#include <string>

#include "host/startup/profile_port.h"

namespace kestro {

// The profile-file calls of the platform (ANSI).
ProfilePort& SystemProfile();

// The folder that holds the host program, as the platform reports it.
std::string HostFolder();

} // namespace kestro

namespace kestro {

// Runs HostStartup against the real system.
void RunHostStartup(const std::string& argumentText);

} // namespace kestro

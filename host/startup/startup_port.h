#pragma once
// What start-up asks of the system before any window exists.

#include <string>

#include "host/platform/file_port.h"
#include "host/startup/profile_port.h"

namespace kestro {

class StartupPort {
  public:
    virtual ~StartupPort() = default;
    virtual bool windowExists(const std::string& title) = 0; // FindWindowA, no class
    virtual std::string hostFolder() = 0;
    virtual bool createFolder(const std::string& path) = 0;
    // A message box; its texts are UTF-8.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    virtual void endProcess() = 0; // never returns in the real host
    virtual void hideCursor() = 0;
    virtual ProfilePort& profile() = 0;
    virtual FilePort& files() = 0;
};

} // namespace kestro
